#include "CTestClock.h"
#include "LiteralSearch.h"
#include "TestPositions.h"
#include "platform/CInputSource.h"
#include "platform/CMouse.h"
#include "players/CComputerPlayer.h"
#include "rules/CPiece.h"
#include "rules/CStepAnimator.h"
#include "rules/Fen.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// The computer never reads the mouse; GetMove only needs one to pass.
CMouse &NoMouse() {
  static CInputSource source;
  static CMouse mouse(&source, 800, 600);
  return mouse;
}

class ComputerPlayer : public ::testing::Test {
protected:
  void SetUp() override { CStepAnimator::ResetAll(); }
  void TearDown() override { CStepAnimator::ResetAll(); }

  // A computer past its opening move, playing the side to move of `fen`.
  void Use(const std::string &fen, int32_t skill) {
    Side side;
    board = BoardFromFen(fen, &side);
    computer =
        std::make_unique<CComputerPlayer>(side, side == White ? kTowardRow0 : kTowardRow7, "Hal", skill);
    computer->openingPending = 0;
  }
  // Frames until the pending move completes; the number of frames, or -1.
  int RunMove() {
    for (int frames = 1; frames < 1000; ++frames) {
      clock.Advance(10);
      if (computer->GetMove(*board, NoMouse())) return frames;
    }
    return -1;
  }
  std::string Chosen() const { return computer->movePending == 1 ? Describe(computer->pendingMove) : "none"; }
  // The plain search records no move here.
  void ExpectPlainSearchRecordsNothing() const {
    const literal::Result plain =
        literal::Search(*board, computer->side, computer->searchDepth, clock.Now() + kSearchTimeLimit);
    EXPECT_FALSE(plain.recorded);
  }

  CTestClock clock{1000};
  std::unique_ptr<CChessBoard> board;
  std::unique_ptr<CComputerPlayer> computer;
};

TEST_F(ComputerPlayer, SkillSetsTheDepth) {
  const struct { int32_t skill, depth; } cases[] = {{Initiate, 2}, {Disciple, 4}, {Champion, 6}};
  for (const auto &c : cases) {
    const CComputerPlayer p(Black, kTowardRow7, "Hal", c.skill);
    EXPECT_EQ(p.playerType, c.skill);
    EXPECT_EQ(p.searchDepth, c.depth);
    EXPECT_EQ(p.openingPending, 1);
    EXPECT_EQ(p.movePending, 0);
    EXPECT_EQ(p.currentRow, kNoSquare);
    EXPECT_STREQ(p.name, "Hal");
  }
}

TEST_F(ComputerPlayer, OpensWithOneOfThreeMovesForEitherSide) {
  const struct {
    const char *fen;
    Side side;
    std::set<std::string> moves;
  } cases[] = {
      {kStartFen, White, {"e2e4 [7 7]", "d2d4 [7 7]", "b1a3 [7]"}},
      // Black after any first move of White's.
      {"rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1",
       Black,
       {"e7e5 [3 3]", "d7d5 [3 3]", "b8a6 [3]"}},
  };
  for (const auto &c : cases) {
    std::set<std::string> seen;
    for (uint32_t tick = 1000; tick < 1040; ++tick) {
      clock.Set(tick);
      board = BoardFromFen(c.fen);
      CComputerPlayer opener(c.side, c.side == White ? kTowardRow0 : kTowardRow7, "Hal", Champion);
      EXPECT_FALSE(opener.GetMove(*board, NoMouse()));
      EXPECT_EQ(opener.openingPending, 0);
      ASSERT_EQ(opener.movePending, 1);
      const std::string move = Describe(opener.pendingMove);
      EXPECT_TRUE(c.moves.count(move)) << move;
      seen.insert(move);
    }
    EXPECT_EQ(seen, c.moves); // all three come up
  }
}

TEST_F(ComputerPlayer, OpeningMoveIsCarriedOut) {
  board = BoardFromFen(kStartFen);
  computer = std::make_unique<CComputerPlayer>(White, kTowardRow0, "Hal", Initiate);
  EXPECT_FALSE(computer->GetMove(*board, NoMouse()));
  const CMovePath chosen = computer->pendingMove;
  EXPECT_GT(RunMove(), 0);
  const CPiece *moved = board->PieceAt(chosen.destRow, chosen.destCol);
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(moved->side, White);
  EXPECT_EQ(board->PieceAt(chosen.startRow, chosen.startCol), nullptr);
}

TEST_F(ComputerPlayer, InitiateTakesAnUndefendedQueenWithTheWholePath) {
  Use("k7/p7/8/3q4/8/8/3R4/4K3 w - - 0 1", Initiate);
  EXPECT_FALSE(computer->GetMove(*board, NoMouse()));
  // The search gives the squares; the path generated on the board gives the steps.
  EXPECT_EQ(Chosen(), "d2d5 [7 7 7]");
  EXPECT_GT(RunMove(), 0);
  EXPECT_EQ(ToFen(*board, Black).substr(0, 24), "k7/p7/8/3R4/8/8/8/4K3 b ");
}

TEST_F(ComputerPlayer, PlaysTheFirstLegalMoveWhenEveryMoveScoresTheFloor) {
  // Whatever White plays, Rh8 mates: every move leads to a position without a legal move, and the
  // search records nothing. The first legal move in board order is the pawn's two-square advance.
  Use("1r6/8/8/8/8/8/P4k2/7K w - - 0 1", Disciple);
  ExpectPlainSearchRecordsNothing();
  computer->ChooseMove(*board);
  EXPECT_EQ(computer->LastSearch().value, kComputerNoMoveValue);
  EXPECT_EQ(Chosen(), "a2a4 [7 7]");
}

TEST_F(ComputerPlayer, CastlesWhenThatIsItsOnlyLegalMove) {
  // In check from the knight, every king step attacked, the rook unable to help: castling (which
  // the search does not model) is the one way out.
  Use("k7/8/8/8/b7/3npp1b/8/4K2R w K - 0 1", Initiate);
  ExpectPlainSearchRecordsNothing();
  computer->ChooseMove(*board);
  EXPECT_EQ(Chosen(), "e1g1 castling");
  EXPECT_EQ(RunMove(), 1);
  EXPECT_EQ(ToFen(*board, Black).substr(0, 30), "k7/8/8/8/b7/3npp1b/8/5RK1 b - ");
}

// A clock that counts how often it is read: a search reads it once to set its deadline.
class CCountingClock : public CClockSource {
public:
  CCountingClock() { SetClockSource(this); }
  ~CCountingClock() override { SetClockSource(nullptr); }
  uint32_t Ticks() override {
    ++reads;
    return 5000;
  }
  void Delay(uint32_t) override {}
  int reads = 0;
};

TEST_F(ComputerPlayer, WithoutAnyLegalMoveWaitsUntilThePositionChanges) {
  CCountingClock counting;
  // White has a king and a blocked pawn, is not in check and cannot move: the match goes on.
  Use("7k/8/8/8/7p/7P/5q2/7K w - - 0 1", Champion);
  EXPECT_FALSE(computer->GetMove(*board, NoMouse()));
  EXPECT_EQ(computer->movePending, 0);
  const int readsAfterFirstSearch = counting.reads;
  EXPECT_GT(readsAfterFirstSearch, 0);
  for (int frame = 0; frame < 5; ++frame)
    EXPECT_FALSE(computer->GetMove(*board, NoMouse()));
  EXPECT_EQ(counting.reads, readsAfterFirstSearch) << "searched again in an unchanged position";

  // Once the queen is gone the king can move again.
  board->ClearSquare(6, 2);
  EXPECT_FALSE(computer->GetMove(*board, NoMouse()));
  EXPECT_GT(counting.reads, readsAfterFirstSearch);
  EXPECT_EQ(computer->movePending, 1);
}

TEST_F(ComputerPlayer, SearchesFromTheFirstMoveAfterALoadedGame) {
  // openingPending 0, as the saved-game loader leaves it: the mate in one is found, not an opening.
  Use("6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1", Initiate);
  computer->ChooseMove(*board);
  EXPECT_EQ(Chosen(), "d1d8 [7 7 7 7 7 7 7]");
  // The mated opponent has no legal move, so its node is worth its starting value.
  EXPECT_EQ(computer->LastSearch().value, kOpponentNoMoveValue);
}

} // namespace
