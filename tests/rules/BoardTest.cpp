#include "TestPositions.h"
#include "rules/CChessBoard.h"
#include "rules/CMovePath.h"
#include "rules/CPiece.h"

#include <gtest/gtest.h>

TEST(Board, FreshBoardIsEmptyUnmarkedAtOriginWithNoPassedPawn) {
  CChessBoard board;
  for (const CBoardSquare &square : board.squares) {
    EXPECT_EQ(square.piece, nullptr);
    EXPECT_EQ(square.screenX, 0);
    EXPECT_EQ(square.screenY, 0);
    EXPECT_EQ(square.marked, 0);
  }
  EXPECT_EQ(board.passedPawnRow, -1);
  EXPECT_EQ(board.passedPawnCol, -1);
  // The board's tables hold (column change, row change): code 0 is (-1, +1) in (row, column).
  EXPECT_EQ(board.stepTable[0].column, 1);
  EXPECT_EQ(board.stepTable[0].row, -1);
  EXPECT_EQ(board.knightTable[2].column, 1);
  EXPECT_EQ(board.knightTable[2].row, 2);
}

TEST(Board, StartingPositionPlacesBothSidesAndScreenPositions) {
  CChessBoard board;
  board.SetUpStartingPosition(true);
  struct Expect {
    int row, column;
    PieceKind kind;
    Side side;
  };
  for (const Expect &e : {Expect{7, 3, King, White}, Expect{7, 4, Queen, White}, Expect{0, 3, King, Black},
                          Expect{0, 4, Queen, Black}, Expect{7, 0, Rook, White}, Expect{0, 6, Knight, Black},
                          Expect{6, 5, Pawn, White}, Expect{1, 2, Pawn, Black}}) {
    const CPiece *piece = board.PieceAt(e.row, e.column);
    ASSERT_NE(piece, nullptr) << e.row << "," << e.column;
    EXPECT_EQ(piece->kind, e.kind);
    EXPECT_EQ(piece->side, e.side);
    EXPECT_EQ(piece->direction, e.side == White ? 0 : 1);
    EXPECT_EQ(piece->neverMoved, 1);
  }
  int pieces = 0;
  for (const CBoardSquare &square : board.squares)
    pieces += square.piece != nullptr;
  EXPECT_EQ(pieces, 32);

  EXPECT_EQ(board.Square(7, 0).screenX, 360);
  EXPECT_EQ(board.Square(7, 0).screenY, 446);
  EXPECT_EQ(board.PieceAt(7, 0)->screenX, 372);
  EXPECT_EQ(board.PieceAt(7, 0)->screenY, 392);
  EXPECT_EQ(board.Square(0, 0).screenX, 45);
  EXPECT_EQ(board.Square(0, 0).screenY, 292);
}

TEST(Board, FarWhiteExchangesSidesButDirectionsStayWithTheRows) {
  CChessBoard board;
  board.SetUpStartingPosition(false);
  EXPECT_EQ(board.PieceAt(7, 3)->side, Black);
  EXPECT_EQ(board.PieceAt(7, 3)->direction, 0);
  EXPECT_EQ(board.PieceAt(0, 3)->side, White);
  EXPECT_EQ(board.PieceAt(0, 3)->direction, 1);
}

TEST(Board, SetUpAndRemoveLeaveMarksAndPassedPawnAlone) {
  CChessBoard board;
  board.Square(2, 5).marked = 1;
  board.passedPawnRow = 4;
  board.passedPawnCol = 4;
  board.SetUpStartingPosition(true);
  board.RemoveAllPieces();
  EXPECT_EQ(board.Square(2, 5).marked, 1);
  EXPECT_EQ(board.passedPawnRow, 4);
  EXPECT_EQ(board.passedPawnCol, 4);
  for (const CBoardSquare &square : board.squares)
    EXPECT_EQ(square.piece, nullptr);
  EXPECT_EQ(board.Square(0, 0).screenX, 45); // positions recomputed
}

TEST(Board, ShiftMovesSquaresAndPiecesButNotTheOrigin) {
  CChessBoard board;
  board.SetUpStartingPosition(true);
  EXPECT_TRUE(board.ShiftOnScreen(10, -5));
  EXPECT_EQ(board.Square(7, 0).screenX, 370);
  EXPECT_EQ(board.Square(7, 0).screenY, 441);
  EXPECT_EQ(board.PieceAt(7, 0)->screenX, 382);
  EXPECT_EQ(board.PieceAt(7, 0)->screenY, 387);
  EXPECT_EQ(board.Square(3, 4).screenX, 45 + 45 * 3 + 47 * 4 + 10); // an empty square moves too
  EXPECT_EQ(board.originX, 0);
  EXPECT_EQ(board.originY, 0);
}

TEST(Board, ClearSquareDeletesOnlyThatPieceAndHoldsPieceOfSideAnswers) {
  CChessBoard board;
  board.SetUpStartingPosition(true);
  EXPECT_TRUE(board.HoldsPieceOfSide(6, 0, White));
  EXPECT_FALSE(board.HoldsPieceOfSide(6, 0, Black));
  board.ClearSquare(6, 0);
  EXPECT_FALSE(board.HoldsPieceOfSide(6, 0, White));
  EXPECT_FALSE(board.HoldsPieceOfSide(4, 4, White));  // empty
  EXPECT_FALSE(board.HoldsPieceOfSide(-1, 9, White)); // off the board
  board.ClearSquare(8, 8);                            // harmless
  EXPECT_TRUE(CChessBoard::IsOnBoard(0, 7));
  EXPECT_FALSE(CChessBoard::IsOnBoard(0, 8));
  EXPECT_FALSE(CChessBoard::IsOnBoard(-1, 0));
}

TEST(MovePath, WalkAppliesStepsFromTheStart) {
  struct Case {
    std::vector<int> steps;
    int destRow, destCol;
  };
  for (const Case &c : {Case{{}, 6, 4}, Case{{7, 7}, 4, 4}, Case{{0}, 5, 5}, Case{{2, 2, 2}, 9, 7}}) {
    CMovePath path;
    path.startRow = 6;
    path.startCol = 4;
    for (int step : c.steps)
      path.AppendStep(step);
    path.Walk();
    EXPECT_EQ(path.destRow, c.destRow);
    EXPECT_EQ(path.destCol, c.destCol);
  }
}

TEST(MovePath, CopyFromCopiesCastlingAndDestinationAndAFullPathStopsGrowing) {
  CMovePath castle;
  castle.castling = 1;
  castle.startRow = 7;
  castle.startCol = 3;
  castle.destRow = 7;
  castle.destCol = 5;
  CMovePath copy;
  copy.AppendStep(3);
  copy.CopyFrom(castle);
  EXPECT_EQ(copy.castling, 1);
  EXPECT_EQ(copy.stepCount, 0);
  EXPECT_EQ(copy.destRow, 7);
  EXPECT_EQ(copy.destCol, 5);

  CMovePath full;
  for (int i = 0; i < 20; ++i)
    full.AppendStep(1);
  EXPECT_EQ(full.stepCount, CMovePath::kMaxSteps);
}

TEST(Piece, LocateFindsItsSquareAndKeepsOldValuesOffTheBoard) {
  auto board = BoardFromFen("8/8/8/8/8/8/8/4K3 w - - 0 1");
  CPiece *king = board->PieceAt(7, 3);
  king->row = 0;
  king->column = 0;
  king->Locate(*board);
  EXPECT_EQ(king->row, 7);
  EXPECT_EQ(king->column, 3);

  CKnight loose;
  loose.row = 2;
  loose.column = 5;
  loose.Locate(*board);
  EXPECT_EQ(loose.row, 2);
  EXPECT_EQ(loose.column, 5);
}
