#include "players/CHumanPlayer.h"

#include "platform/CMouse.h"
#include "rules/CChessBoard.h"
#include "rules/CPiece.h"
#include "rules/CheckRules.h"

namespace {

// A square's hit box, relative to its tile corner (exclusive bounds).
constexpr int32_t kHitLeft = 6, kHitRight = 90, kHitTop = 6, kHitBottom = 39;
// Bit of a button state that is set while the button is held.
constexpr uint8_t kButtonHeld = 0x80;

} // namespace

CHumanPlayer::CHumanPlayer(Side side, uint8_t pawnDirection, const char *name)
    : CPlayer(side, pawnDirection, name, Human) {}

bool CHumanPlayer::GetMove(CChessBoard &board, CMouse &mouse) {
  return HandlePointer(board, (mouse.buttonStates[0] & kButtonHeld) != 0, mouse.x, mouse.y);
}

void CHumanPlayer::ClearMarks(CChessBoard &board) const {
  for (CBoardSquare &square : board.squares)
    square.marked = 0;
}

bool CHumanPlayer::HitTest(const CChessBoard &board, int32_t x, int32_t y, int32_t &row, int32_t &column) {
  bool hit = false;
  for (int32_t r = 0; r < kBoardSize; ++r) {
    for (int32_t c = 0; c < kBoardSize; ++c) {
      const CBoardSquare &square = board.Square(r, c);
      if (square.screenX + kHitLeft < x && x < square.screenX + kHitRight && square.screenY + kHitTop < y &&
          y < square.screenY + kHitBottom) {
        row = r;
        column = c;
        hit = true;
      }
    }
  }
  return hit;
}

bool CHumanPlayer::HandlePointer(CChessBoard &board, bool leftDown, int32_t x, int32_t y) {
  if (ExecuteMoveStep(pendingMove, board)) {
    ClearMarks(board);
    return true;
  }
  if (movePending == 1) return false;
  if (!leftDown) return false;

  ClearMarks(board);
  const bool ownSelection = board.HoldsPieceOfSide(selectedRow, selectedCol, side);
  if (ownSelection) board.Square(selectedRow, selectedCol).marked = 1;

  int32_t row = kNoSquare, column = kNoSquare;
  if (!HitTest(board, x, y, row, column)) return false;

  if (board.HoldsPieceOfSide(row, column, side)) {
    selectedRow = row;
    selectedCol = column;
    return false;
  }
  if (!ownSelection) return false;

  // The last legal path of the selected piece to the clicked square wins.
  CMoveList moves;
  board.PieceAt(selectedRow, selectedCol)->GenerateMoves(board, moves);
  for (const CMovePath &path : moves) {
    if (path.destRow != row || path.destCol != column) continue;
    if (LeavesKingSafe(board, selectedRow, selectedCol, row, column, side)) {
      pendingMove.CopyFrom(path);
      movePending = 1;
    }
  }
  return false;
}
