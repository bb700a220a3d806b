#include "CTestClock.h"
#include "TestPositions.h"
#include "players/CPlayer.h"
#include "rules/CPiece.h"
#include "rules/CStepAnimator.h"
#include "rules/Fen.h"

#include <gtest/gtest.h>

namespace {

// A player that only carries out the moves it is given.
class CMoveRunner : public CPlayer {
public:
  CMoveRunner() : CPlayer(White, kTowardRow0, "Runner", Human) {}
  bool GetMove(CChessBoard &, CMouse &) override { return false; }

  void Start(CChessBoard &board, const std::string &from, const std::string &to) {
    path = CMovePath();
    FenSquare a, b;
    ASSERT_TRUE(ParseSquareName(from, a));
    ASSERT_TRUE(ParseSquareName(to, b));
    CMoveList list;
    board.PieceAt(a.row, a.column)->GenerateMoves(board, list);
    for (const CMovePath &p : list) {
      if (p.destRow == b.row && p.destCol == b.column) path.CopyFrom(p);
    }
    ASSERT_TRUE(path.destRow == b.row && path.destCol == b.column) << from << to << " not generated";
    movePending = 1;
  }
  bool Step(CChessBoard &board) { return ExecuteMoveStep(path, board); }

  CMovePath path;
};

class MoveExecution : public ::testing::Test {
protected:
  void SetUp() override { CStepAnimator::ResetAll(); }
  void TearDown() override { CStepAnimator::ResetAll(); }

  // Calls Step every `frameMs` until the move completes; returns the number of calls.
  int RunToEnd(CChessBoard &board, int frameMs = 10) {
    for (int calls = 1; calls < 10000; ++calls) {
      if (runner.Step(board)) return calls;
      clock.Advance(frameMs);
    }
    ADD_FAILURE() << "move never completed";
    return -1;
  }

  static int PieceCount(const CChessBoard &board) {
    int n = 0;
    for (const CBoardSquare &square : board.squares)
      n += square.piece != nullptr;
    return n;
  }

  CTestClock clock{1000};
  CMoveRunner runner;
};

} // namespace

TEST_F(MoveExecution, NothingPendingReturnsFalseAndChangesNothing) {
  auto board = BoardFromFen(kStartFen);
  const std::string before = ToFen(*board, White);
  EXPECT_FALSE(runner.Step(*board));
  EXPECT_EQ(ToFen(*board, White), before);
  EXPECT_EQ(runner.currentRow, -1);
}

TEST_F(MoveExecution, TwoSquareAdvanceSlidesStepByStepAndLeavesTheRecord) {
  auto board = BoardFromFen(kStartFen);
  CPiece *pawn = board->PieceAt(6, 4);
  const int startX = pawn->screenX, startY = pawn->screenY;
  runner.Start(*board, "d2", "d4");

  EXPECT_FALSE(runner.Step(*board)); // the step starts
  EXPECT_EQ(pawn->neverMoved, 0);
  EXPECT_EQ(runner.stepDirection, 7);
  clock.Advance(20);
  EXPECT_FALSE(runner.Step(*board));
  EXPECT_EQ(pawn->screenX, startX - 20); // 1 px/ms across, 0.5 px/ms up
  EXPECT_EQ(pawn->screenY, startY - 10);
  EXPECT_EQ(board->PieceAt(6, 4), pawn); // still on its square while sliding

  clock.Advance(25); // 45 ms: past the next square's anchor
  EXPECT_FALSE(runner.Step(*board));
  EXPECT_EQ(runner.stepDirection, kStepArrived);
  EXPECT_EQ(board->PieceAt(5, 4), pawn);
  EXPECT_EQ(runner.currentRow, 5);
  EXPECT_EQ(runner.stepIndex, 1);
  EXPECT_EQ(pawn->screenY, board->Square(5, 4).screenY - 54); // snapped to the anchor
  EXPECT_EQ(board->passedPawnRow, -1);

  EXPECT_EQ(RunToEnd(*board), 6);
  EXPECT_EQ(board->PieceAt(4, 4), pawn);
  EXPECT_EQ(board->passedPawnRow, 4);
  EXPECT_EQ(board->passedPawnCol, 4);
  EXPECT_EQ(runner.movePending, 0);
  EXPECT_EQ(runner.currentRow, -1);
  EXPECT_EQ(runner.stepIndex, 0);
  EXPECT_EQ(runner.path.startRow, 4); // the path has been walked to its end
}

TEST_F(MoveExecution, EachStepCodeArrivesWhenItPassesTheNextAnchor) {
  // From the middle of the board, one step of each code at 1 ms a frame.
  const int arrivalMs[kStepCodeCount] = {91, 47, 93, 46, 92, 48, 93, 45};
  for (int code = 0; code < kStepCodeCount; ++code) {
    auto board = BoardFromFen("8/8/8/4Q3/8/8/8/8 w - - 0 1");
    runner.path = CMovePath();
    runner.path.startRow = 3;
    runner.path.startCol = 3;
    runner.path.AppendStep(code);
    runner.path.Walk();
    runner.movePending = 1;
    const uint32_t start = clock.Now();
    while (!runner.Step(*board))
      clock.Advance(1);
    EXPECT_EQ(clock.Now() - start, static_cast<uint32_t>(arrivalMs[code])) << "code " << code;
    EXPECT_NE(board->PieceAt(runner.path.destRow, runner.path.destCol), nullptr) << "code " << code;
    EXPECT_EQ(CStepAnimator::StartTime(code), 0u);
  }
}

TEST_F(MoveExecution, SlideCapturesOnlyOnItsLastArrival) {
  auto board = BoardFromFen("4k3/8/8/r7/8/8/8/R3K3 w - - 0 1");
  runner.Start(*board, "a1", "a5");
  int arrivals = 0;
  while (!runner.Step(*board)) {
    if (runner.stepDirection == kStepArrived) {
      ++arrivals;
      EXPECT_EQ(PieceCount(*board), 4) << "captured before the last square";
    }
    clock.Advance(10);
  }
  EXPECT_EQ(arrivals, 3);
  EXPECT_EQ(PieceCount(*board), 3);
  EXPECT_EQ(board->PieceAt(3, 7)->kind, Rook);
  EXPECT_EQ(board->PieceAt(3, 7)->side, White);
}

TEST_F(MoveExecution, KnightJumpsInOneCallCapturesAndKeepsTheRecord) {
  auto board = BoardFromFen("4k3/8/8/8/8/5p2/8/6N1 w - - 0 1");
  board->passedPawnRow = 4;
  board->passedPawnCol = 0;
  runner.Start(*board, "g1", "f3");
  EXPECT_EQ(RunToEnd(*board), 1);
  EXPECT_EQ(board->PieceAt(5, 2)->kind, Knight);
  EXPECT_EQ(board->PieceAt(7, 1), nullptr);
  EXPECT_EQ(PieceCount(*board), 2);
  EXPECT_EQ(board->passedPawnRow, 4);
  EXPECT_EQ(board->PieceAt(5, 2)->screenX, board->Square(5, 2).screenX + 12);
}

TEST_F(MoveExecution, CastlingMovesKingAndRookInOneCall) {
  struct Case {
    const char *to;
    int kingCol, rookFrom, rookTo;
  };
  for (const Case &c : {Case{"c1", 5, 7, 4}, Case{"g1", 1, 0, 2}}) {
    auto board = BoardFromFen("4k3/8/8/8/8/8/8/R3K2R w KQ - 0 1");
    board->passedPawnRow = 3;
    board->passedPawnCol = 6;
    CPiece *rook = board->PieceAt(7, c.rookFrom);
    runner.Start(*board, "e1", c.to);
    EXPECT_EQ(RunToEnd(*board), 1) << c.to;
    EXPECT_EQ(board->PieceAt(7, c.kingCol)->kind, King);
    EXPECT_EQ(board->PieceAt(7, c.rookTo), rook);
    EXPECT_EQ(board->PieceAt(7, c.rookFrom), nullptr);
    EXPECT_EQ(board->PieceAt(7, 3), nullptr);
    EXPECT_EQ(rook->neverMoved, 1);
    EXPECT_EQ(rook->screenX, board->Square(7, c.rookTo).screenX + 12);
    EXPECT_EQ(board->passedPawnRow, 3);
  }
}

TEST_F(MoveExecution, PieceLandingBehindAPassedPawnRemovesIt) {
  // White has just played d2-d4; a Black rook lands on d3 from h3.
  auto board = BoardFromFen("4k3/8/8/8/3P4/7r/8/4K3 b - d3 0 1");
  ASSERT_EQ(board->passedPawnRow, 4);
  runner.Start(*board, "h3", "d3");
  EXPECT_FALSE(runner.Step(*board));
  EXPECT_EQ(board->PieceAt(4, 4), nullptr); // gone on the first call
  EXPECT_EQ(board->passedPawnRow, -1);
  RunToEnd(*board);
  EXPECT_EQ(board->PieceAt(5, 4)->kind, Rook);
}

TEST_F(MoveExecution, BlackPassedPawnIsTakenByAWhitePieceLandingBehindIt) {
  // Black has just played d7-d5; a White rook slides from h6 to d6.
  auto board = BoardFromFen("4k3/8/7R/3p4/8/8/8/4K3 w - d6 0 1");
  ASSERT_EQ(board->passedPawnRow, 3);
  runner.Start(*board, "h6", "d6");
  RunToEnd(*board);
  EXPECT_EQ(board->PieceAt(3, 4), nullptr);
  EXPECT_EQ(board->PieceAt(2, 4)->kind, Rook);
  EXPECT_EQ(board->passedPawnRow, -1);
}

TEST_F(MoveExecution, RecordPointsAtTheSquareLeftAndWhateverStandsThereIsTaken) {
  // d2-d4, then d4-d5 leaves the record on d4; a White knight jumps onto d4 and a Black piece
  // landing on d3 then takes the knight.
  auto board = BoardFromFen("4k3/8/8/8/8/6r1/3P4/4K1N1 w - - 0 1");
  runner.Start(*board, "d2", "d4");
  RunToEnd(*board);
  runner.Start(*board, "d4", "d5");
  RunToEnd(*board);
  EXPECT_EQ(board->passedPawnRow, 4);
  EXPECT_EQ(board->passedPawnCol, 4);
  runner.Start(*board, "g1", "f3");
  RunToEnd(*board);
  runner.Start(*board, "f3", "d4");
  RunToEnd(*board);
  EXPECT_EQ(board->PieceAt(4, 4)->kind, Knight);
  EXPECT_EQ(board->passedPawnRow, 4); // knight moves keep the record
  runner.Start(*board, "g3", "d3");
  RunToEnd(*board);
  EXPECT_EQ(board->PieceAt(4, 4), nullptr);
  EXPECT_EQ(board->PieceAt(5, 4)->kind, Rook);
  EXPECT_EQ(board->passedPawnRow, -1);
}

TEST_F(MoveExecution, OtherMovesClearTheRecordAndOneSquarePawnMovesKeepIt) {
  struct Case {
    const char *from, *to;
    int recordRowAfter;
  };
  for (const Case &c :
       {Case{"e1", "e2", -1}, Case{"a1", "b1", -1}, Case{"h2", "h3", 3}, Case{"b2", "b3", 3}}) {
    auto board = BoardFromFen("4k3/8/8/3p4/8/8/PP5P/R3K3 w - d6 0 1");
    runner.Start(*board, c.from, c.to);
    RunToEnd(*board);
    EXPECT_EQ(board->passedPawnRow, c.recordRowAfter) << c.from << c.to;
  }
}

TEST_F(MoveExecution, AbandonedStepLeavesItsTimerAndTheNextStepOfThatCodeArrivesAtOnce) {
  {
    auto board = BoardFromFen(kStartFen);
    runner.Start(*board, "e2", "e4");
    EXPECT_FALSE(runner.Step(*board)); // code 7 starts sliding; the match is then left
    EXPECT_EQ(CStepAnimator::StartTime(7), clock.Now());
  }
  clock.Advance(60000);
  CMoveRunner next;
  auto board = BoardFromFen(kStartFen);
  CPiece *pawn = board->PieceAt(6, 0);
  next.path.startRow = 6;
  next.path.startCol = 0;
  next.path.AppendStep(7);
  next.path.Walk();
  next.movePending = 1;
  EXPECT_TRUE(next.ExecuteMoveStep(next.path, *board)); // arrives on its first call
  EXPECT_EQ(board->PieceAt(5, 0), pawn);
  EXPECT_EQ(CStepAnimator::StartTime(7), 0u);
}

TEST_F(MoveExecution, MoveOfAnEmptySquareEndsAtOnce) {
  auto board = BoardFromFen(kStartFen);
  runner.path = CMovePath();
  runner.path.startRow = 4;
  runner.path.startCol = 4;
  runner.path.AppendStep(7);
  runner.path.Walk();
  runner.movePending = 1;
  EXPECT_TRUE(runner.Step(*board));
  EXPECT_EQ(runner.movePending, 0);
  EXPECT_EQ(runner.currentRow, -1);
  EXPECT_EQ(PieceCount(*board), 32);
}
