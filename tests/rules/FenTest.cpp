#include "rules/Fen.h"
#include "TestPositions.h"
#include "rules/CPiece.h"

#include <gtest/gtest.h>

TEST(Fen, StartingPositionIsTheGamesOwn) {
  CChessBoard fromFen, own;
  Side side = Black;
  ASSERT_TRUE(ParseFen(kStartFen, fromFen, side));
  own.SetUpStartingPosition(true);
  EXPECT_EQ(side, White);
  for (int i = 0; i < 64; ++i) {
    const CPiece *a = fromFen.squares[i].piece, *b = own.squares[i].piece;
    ASSERT_EQ(a == nullptr, b == nullptr) << i;
    if (!a) continue;
    EXPECT_EQ(a->kind, b->kind) << i;
    EXPECT_EQ(a->side, b->side) << i;
    EXPECT_EQ(a->direction, b->direction) << i;
    EXPECT_EQ(a->neverMoved, b->neverMoved) << i;
    EXPECT_EQ(a->screenX, b->screenX) << i;
  }
  EXPECT_EQ(ToFen(own, White), kStartFen);
}

TEST(Fen, RoundTripKeepsCastlingRightsPassedPawnAndSide) {
  for (const char *fen : {"r3k2r/8/8/8/3pP3/8/8/R3K2R b Kq e3 0 1", "4k3/8/8/8/8/8/8/4K3 w - - 0 1",
                          "rnbqkbnr/ppp1pppp/8/3p4/8/8/PPPPPPPP/RNBQKBNR w KQkq d6 0 1"}) {
    Side side;
    auto board = BoardFromFen(fen, &side);
    EXPECT_EQ(ToFen(*board, side), fen);
  }
}

TEST(Fen, NeverMovedFollowsRowsAndRights) {
  auto board = BoardFromFen("r3k2r/8/8/8/8/P7/1P6/R3K2R w Kq - 0 1");
  EXPECT_EQ(board->PieceAt(5, 7)->neverMoved, 0); // pawn a3, off its row
  EXPECT_EQ(board->PieceAt(6, 6)->neverMoved, 1); // pawn b2
  EXPECT_EQ(board->PieceAt(7, 0)->neverMoved, 1); // rook h1: K
  EXPECT_EQ(board->PieceAt(7, 7)->neverMoved, 0); // rook a1: no Q
  EXPECT_EQ(board->PieceAt(7, 3)->neverMoved, 1); // king keeps one right
  EXPECT_EQ(board->PieceAt(0, 7)->neverMoved, 1); // rook a8: q
  EXPECT_EQ(board->PieceAt(0, 0)->neverMoved, 0); // rook h8: no k
}

TEST(Fen, MalformedTextIsRefusedAndLeavesNoPieces) {
  const char *bad[] = {
      "",
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR",             // no side to move
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w KQkq - 0 1",         // seven ranks
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR/8 w - - 0 1", // nine ranks
      "rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1",   // nine squares
      "rnbqkbnrr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1",  // nine pieces
      "rnbqkbnr/ppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1",    // seven squares
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNX w - - 0 1",   // unknown piece
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x - - 0 1",   // side
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KX - 0 1",  // castling
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - e4 0 1",  // en passant rank
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - x 1",   // counter
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1 7", // extra field
  };
  for (const char *fen : bad) {
    CChessBoard board;
    Side side;
    std::string error;
    EXPECT_FALSE(ParseFen(fen, board, side, &error)) << fen;
    EXPECT_FALSE(error.empty()) << fen;
    for (const CBoardSquare &square : board.squares)
      EXPECT_EQ(square.piece, nullptr) << fen;
  }
}

TEST(Fen, SquareNames) {
  EXPECT_EQ(SquareName(7, 3), "e1");
  EXPECT_EQ(SquareName(0, 7), "a8");
  EXPECT_EQ(SquareName(8, 0), "");
  FenSquare square;
  ASSERT_TRUE(ParseSquareName("h8", square));
  EXPECT_EQ(square.row, 0);
  EXPECT_EQ(square.column, 0);
  EXPECT_FALSE(ParseSquareName("i1", square));
  EXPECT_FALSE(ParseSquareName("e9", square));
  EXPECT_FALSE(ParseSquareName("e", square));
}
