#include "CTestClock.h"
#include "TestPositions.h"
#include "players/CHumanPlayer.h"
#include "rules/CPiece.h"
#include "rules/CStepAnimator.h"
#include "rules/Fen.h"

#include <gtest/gtest.h>

#include <string>

namespace {

FenSquare At(const std::string &name) {
  FenSquare square{kNoSquare, kNoSquare};
  EXPECT_TRUE(ParseSquareName(name, square)) << name;
  return square;
}

// The middle of a square's hit box, which no other box covers.
void Centre(const CChessBoard &board, const std::string &name, int32_t &x, int32_t &y) {
  const FenSquare s = At(name);
  x = board.Square(s.row, s.column).screenX + 48;
  y = board.Square(s.row, s.column).screenY + 22;
}

std::string MarkedSquares(const CChessBoard &board) {
  std::string text;
  for (int32_t r = 0; r < kBoardSize; ++r) {
    for (int32_t c = 0; c < kBoardSize; ++c) {
      if (board.Square(r, c).marked) text += (text.empty() ? "" : " ") + SquareName(r, c);
    }
  }
  return text;
}

class HumanPlayer : public ::testing::Test {
protected:
  void SetUp() override { CStepAnimator::ResetAll(); }
  void TearDown() override { CStepAnimator::ResetAll(); }

  void Use(const std::string &fen, Side side) {
    board = BoardFromFen(fen);
    player = std::make_unique<CHumanPlayer>(side, side == White ? kTowardRow0 : kTowardRow7, "Ann");
  }
  // One frame with the button held over a square.
  bool Click(const std::string &square) {
    int32_t x, y;
    Centre(*board, square, x, y);
    clock.Advance(10);
    return player->HandlePointer(*board, true, x, y);
  }
  // One frame with the button up.
  bool Idle() {
    clock.Advance(10);
    return player->HandlePointer(*board, false, 0, 0);
  }
  // Frames with the button up until the move completes; the number of frames, or -1.
  int RunMove() {
    for (int frames = 1; frames < 1000; ++frames) {
      if (Idle()) return frames;
    }
    return -1;
  }
  std::string PieceOn(const std::string &square) const {
    const FenSquare s = At(square);
    const CPiece *piece = board->PieceAt(s.row, s.column);
    if (!piece) return "-";
    return std::string(piece->side == White ? "W" : "B") + "KQRBNP"[piece->kind];
  }

  CTestClock clock{1000};
  std::unique_ptr<CChessBoard> board;
  std::unique_ptr<CHumanPlayer> player;
};

TEST_F(HumanPlayer, StartsWithSquareZeroSelectedAndNothingPending) {
  const CHumanPlayer p(Black, kTowardRow7, "A name that is much longer than thirty-one characters");
  EXPECT_STREQ(p.name, "A name that is much longer than");
  EXPECT_EQ(p.side, Black);
  EXPECT_EQ(p.pawnDirection, kTowardRow7);
  EXPECT_EQ(p.playerType, Human);
  EXPECT_EQ(p.selectedRow, 0);
  EXPECT_EQ(p.selectedCol, 0);
  EXPECT_EQ(p.movePending, 0);
  EXPECT_EQ(p.openingPending, 1);
  EXPECT_EQ(p.currentRow, kNoSquare);
  EXPECT_EQ(p.currentCol, kNoSquare);
  EXPECT_EQ(p.pendingMove.stepCount, 0);
  EXPECT_EQ(p.pendingMove.destRow, 0);
}

TEST_F(HumanPlayer, HitTestIsStrictAndTheLastOverlappingSquareWins) {
  Use(kStartFen, White);
  const CBoardSquare &e2 = board->Square(6, 3);
  struct Case {
    int32_t dx, dy;
    const char *expected; // "" for no square
  };
  const Case cases[] = {
      {48, 22, "e2"}, {7, 22, "e2"},  {6, 22, ""}, // the edges of a box are outside it
      {48, 6, ""},    {89, 22, "e2"}, {90, 22, ""},   {48, 38, "e2"},
      {48, 39, ""},   {48, 7, "e2"},  {60, 10, "d2"}, // e2's box and d2's (next column) overlap: the later
                                                      // one wins
      {60, 30, "e1"}, // e2's box and e1's (next row) overlap: the later one wins
  };
  for (const Case &c : cases) {
    int32_t row = kNoSquare, column = kNoSquare;
    const bool hit = CHumanPlayer::HitTest(*board, e2.screenX + c.dx, e2.screenY + c.dy, row, column);
    EXPECT_EQ(hit ? SquareName(row, column) : "", c.expected) << c.dx << ", " << c.dy;
  }
  int32_t row, column;
  EXPECT_FALSE(CHumanPlayer::HitTest(*board, 0, 0, row, column));
  EXPECT_FALSE(CHumanPlayer::HitTest(*board, 799, 599, row, column));
}

TEST_F(HumanPlayer, SelectsOnTheFirstFrameAndMarksFromTheSecond) {
  Use(kStartFen, White);
  EXPECT_FALSE(Click("e2"));
  EXPECT_EQ(SquareName(player->selectedRow, player->selectedCol), "e2");
  EXPECT_EQ(MarkedSquares(*board), "");
  EXPECT_FALSE(Click("e2"));
  EXPECT_EQ(MarkedSquares(*board), "e2");
  // A click on another own piece moves the selection; the button up changes nothing.
  EXPECT_FALSE(Click("g1"));
  EXPECT_FALSE(Idle());
  EXPECT_EQ(MarkedSquares(*board), "e2");
  EXPECT_FALSE(Click("a8")); // not a destination of g1: nothing happens, the selection stays
  EXPECT_EQ(MarkedSquares(*board), "g1");
  EXPECT_EQ(player->movePending, 0);
}

TEST_F(HumanPlayer, CarriesOutAnAcceptedMoveAndClearsTheMarks) {
  Use(kStartFen, White);
  Click("e2");
  Click("e2");
  EXPECT_FALSE(Click("e4"));
  EXPECT_EQ(player->movePending, 1);
  EXPECT_EQ(Describe(player->pendingMove), "e2e4 [7 7]");
  // While the move runs, clicks are ignored.
  EXPECT_FALSE(Click("d2"));
  EXPECT_EQ(SquareName(player->selectedRow, player->selectedCol), "e2");
  EXPECT_GT(RunMove(), 0);
  EXPECT_EQ(PieceOn("e4"), "WP");
  EXPECT_EQ(PieceOn("e2"), "-");
  EXPECT_EQ(MarkedSquares(*board), "");
  EXPECT_EQ(player->movePending, 0);
  EXPECT_FALSE(Idle()); // completion is reported once
}

TEST_F(HumanPlayer, RefusesAMoveThatLeavesTheKingAttacked) {
  // The bishop on e2 is pinned by the rook on e7.
  Use("4k3/4r3/8/8/8/8/4B3/4K3 w - - 0 1", White);
  Click("e2");
  EXPECT_FALSE(Click("d3"));
  EXPECT_EQ(player->movePending, 0);
  EXPECT_EQ(SquareName(player->selectedRow, player->selectedCol), "e2");
  // The king itself may step aside.
  Click("e1");
  Click("d1");
  EXPECT_EQ(player->movePending, 1);
}

TEST_F(HumanPlayer, SquareZeroCountsAsSelectedBeforeAnyPick) {
  // Square (0, 0) is h8: Black's rook there moves without being picked first.
  Use("7r/8/8/8/8/8/8/K6k b - - 0 1", Black);
  EXPECT_FALSE(Click("h5"));
  EXPECT_EQ(player->movePending, 1);
  EXPECT_GT(RunMove(), 0);
  EXPECT_EQ(PieceOn("h5"), "BR");
}

TEST_F(HumanPlayer, CastlesByClickingTheKingsDestination) {
  Use("4k3/8/8/8/8/8/8/4K2R w K - 0 1", White);
  Click("e1");
  Click("g1");
  ASSERT_EQ(player->movePending, 1);
  EXPECT_EQ(Describe(player->pendingMove), "e1g1 castling");
  EXPECT_EQ(RunMove(), 1);
  EXPECT_EQ(PieceOn("g1"), "WK");
  EXPECT_EQ(PieceOn("f1"), "WR");
}

TEST_F(HumanPlayer, AStalematedSideCannotStartAnyMove) {
  // White has a king and a blocked pawn and no legal move; the match goes on, standing still.
  Use("7k/8/8/8/7p/7P/5q2/7K w - - 0 1", White);
  for (const char *own : {"h1", "h3"}) {
    for (int32_t r = 0; r < kBoardSize; ++r) {
      for (int32_t c = 0; c < kBoardSize; ++c) {
        Click(own);
        Click(SquareName(r, c));
        ASSERT_EQ(player->movePending, 0) << own << " to " << SquareName(r, c);
      }
    }
  }
}

} // namespace
