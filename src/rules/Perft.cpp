#include "rules/Perft.h"

#include "rules/CChessBoard.h"
#include "rules/CPiece.h"
#include "rules/CheckRules.h"

namespace {

// What a made move changed, so that it can be taken back exactly.
struct Undo {
  CPiece *moved = nullptr;
  CPiece *captured = nullptr;
  uint8_t neverMoved = 0;
  bool rookMoved = false;
  int32_t rookFromCol = 0;
  int32_t rookToCol = 0;
};

// Makes a move on the board by moving piece pointers only (nothing is deleted, screen positions
// stay): the moving piece loses its never-moved mark, and castling moves the rook as well.
Undo MakeMove(CChessBoard &board, const CMovePath &path, int32_t fromRow, int32_t fromCol) {
  Undo undo;
  CBoardSquare &from = board.Square(fromRow, fromCol);
  CBoardSquare &to = board.Square(path.destRow, path.destCol);
  undo.moved = from.piece;
  undo.captured = to.piece;
  undo.neverMoved = undo.moved->neverMoved;
  undo.moved->neverMoved = 0;
  to.piece = undo.moved;
  from.piece = nullptr;
  if (path.castling == 1 && undo.moved->kind == King) {
    const bool towardColumn7 = fromCol < path.destCol;
    undo.rookFromCol = towardColumn7 ? 7 : 0;
    undo.rookToCol = towardColumn7 ? path.destCol - 1 : path.destCol + 1;
    CBoardSquare &rookFrom = board.Square(fromRow, undo.rookFromCol);
    CBoardSquare &rookTo = board.Square(fromRow, undo.rookToCol);
    if (rookFrom.piece && !rookTo.piece) {
      rookTo.piece = rookFrom.piece;
      rookFrom.piece = nullptr;
      undo.rookMoved = true;
    }
  }
  return undo;
}

void UnmakeMove(CChessBoard &board, const CMovePath &path, int32_t fromRow, int32_t fromCol,
                const Undo &undo) {
  if (undo.rookMoved) {
    board.Square(fromRow, undo.rookFromCol).piece = board.Square(fromRow, undo.rookToCol).piece;
    board.Square(fromRow, undo.rookToCol).piece = nullptr;
  }
  board.Square(fromRow, fromCol).piece = undo.moved;
  board.Square(path.destRow, path.destCol).piece = undo.captured;
  undo.moved->neverMoved = undo.neverMoved;
}

} // namespace

uint64_t Perft(CChessBoard &board, Side sideToMove, int depth) {
  if (depth <= 0) return 1;
  uint64_t nodes = 0;
  for (int32_t r = 0; r < kBoardSize; ++r) {
    for (int32_t c = 0; c < kBoardSize; ++c) {
      CPiece *piece = board.PieceAt(r, c);
      if (!piece || piece->side != sideToMove) continue;
      CMoveList moves;
      piece->GenerateMoves(board, moves);
      for (const CMovePath &path : moves) {
        if (!LeavesKingSafe(board, r, c, path.destRow, path.destCol, sideToMove)) continue;
        if (depth == 1) {
          ++nodes;
          continue;
        }
        const Undo undo = MakeMove(board, path, r, c);
        nodes += Perft(board, Opponent(sideToMove), depth - 1);
        UnmakeMove(board, path, r, c, undo);
      }
    }
  }
  return nodes;
}
