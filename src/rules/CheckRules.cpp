#include "rules/CheckRules.h"

#include "rules/CChessBoard.h"
#include "rules/CPiece.h"

namespace {

void FindKing(const CChessBoard &board, Side side, int32_t &kingRow, int32_t &kingCol) {
  kingRow = 0;
  kingCol = 0;
  for (int32_t r = 0; r < kBoardSize; ++r) {
    for (int32_t c = 0; c < kBoardSize; ++c) {
      const CPiece *piece = board.PieceAt(r, c);
      if (piece && piece->kind == King && piece->side == side) {
        kingRow = r;
        kingCol = c;
      }
    }
  }
}

bool HasPieceBesidesKing(const CChessBoard &board, Side side) {
  for (const CBoardSquare &square : board.squares) {
    if (square.piece && square.piece->side == side && square.piece->kind != King) return true;
  }
  return false;
}

} // namespace

bool IsInCheck(const CChessBoard &board, Side side) {
  int32_t kingRow, kingCol;
  FindKing(board, side, kingRow, kingCol);
  CMoveList moves;
  for (const CBoardSquare &square : board.squares) {
    CPiece *piece = square.piece;
    if (!piece || piece->side == side) continue;
    piece->GenerateMoves(board, moves);
    for (const CMovePath &path : moves) {
      if (path.destRow == kingRow && path.destCol == kingCol) return true;
    }
  }
  return false;
}

bool HasNoEscape(CChessBoard &board, Side side) {
  if (HasPieceBesidesKing(board, side) && !IsInCheck(board, side)) return false;
  return !HasLegalMove(board, side);
}

bool HasLegalMove(CChessBoard &board, Side side) {
  CMoveList moves;
  for (int32_t r = 0; r < kBoardSize; ++r) {
    for (int32_t c = 0; c < kBoardSize; ++c) {
      CPiece *piece = board.PieceAt(r, c);
      if (!piece || piece->side != side) continue;
      piece->GenerateMoves(board, moves);
      for (const CMovePath &path : moves) {
        if (LeavesKingSafe(board, r, c, path.destRow, path.destCol, side)) return true;
      }
    }
  }
  return false;
}

CTentativeMove::CTentativeMove(CChessBoard &board, int32_t fromRow, int32_t fromCol, int32_t toRow,
                               int32_t toCol)
    : board_(board), fromRow_(fromRow), fromCol_(fromCol), toRow_(toRow), toCol_(toCol) {
  if (!board.IsOnBoard(fromRow, fromCol) || !board.IsOnBoard(toRow, toCol)) return;
  if (fromRow == toRow && fromCol == toCol) return;
  CBoardSquare &from = board.Square(fromRow, fromCol);
  CBoardSquare &to = board.Square(toRow, toCol);
  moved_ = from.piece;
  displaced_ = to.piece;
  from.piece = nullptr;
  to.piece = moved_;
  made_ = true;
}

CTentativeMove::~CTentativeMove() {
  if (!made_) return;
  board_.Square(toRow_, toCol_).piece = displaced_;
  board_.Square(fromRow_, fromCol_).piece = moved_;
}

bool LeavesKingSafe(CChessBoard &board, int32_t fromRow, int32_t fromCol, int32_t toRow, int32_t toCol,
                    Side side) {
  CTentativeMove tentative(board, fromRow, fromCol, toRow, toCol);
  return !IsInCheck(board, side);
}
