#include "players/CPlayer.h"

#include "rules/CChessBoard.h"
#include "rules/CPiece.h"
#include "rules/CStepAnimator.h"

#include <cstring>
#include <initializer_list>

CPlayer::CPlayer(Side s, uint8_t pawnDir, const char *playerName, int32_t type)
    : side(s), playerType(type), pawnDirection(pawnDir) {
  SetName(playerName);
}

void CPlayer::SetName(const char *text) {
  std::memset(name, 0, sizeof name);
  if (text) std::strncpy(name, text, kNameSize - 1);
}

bool CPlayer::FinishMove() {
  movePending = 0;
  currentRow = kNoSquare;
  currentCol = kNoSquare;
  stepIndex = 0;
  return true;
}

void CPlayer::CaptureInPassing(const CMovePath &path, CChessBoard &board, Side moverSide) {
  // The record names the pawn; the square behind it, seen from its own advance, is where a capturer
  // lands. Whatever piece stands on the recorded square is taken, whatever the capturer's kind.
  struct Behind {
    int32_t rowOffset;
    uint8_t direction;
  };
  for (const Behind behind : {Behind{-1, kTowardRow7}, Behind{+1, kTowardRow0}}) {
    const int32_t row = board.passedPawnRow;
    const int32_t col = board.passedPawnCol;
    if (row + behind.rowOffset != path.destRow || col != path.destCol) continue;
    const CPiece *victim = board.PieceAt(row, col);
    if (victim && victim->direction == behind.direction && victim->side != moverSide) {
      board.ClearSquare(row, col);
      board.passedPawnRow = kNoSquare;
      board.passedPawnCol = kNoSquare;
    }
  }
}

bool CPlayer::ExecuteMoveStep(CMovePath &path, CChessBoard &board) {
  if (movePending == 0) return false;
  if (currentRow == kNoSquare) {
    currentRow = path.startRow;
    currentCol = path.startCol;
    stepIndex = 0;
  }

  CPiece *piece = board.PieceAt(currentRow, currentCol);
  if (!piece) return FinishMove();
  piece->neverMoved = 0;

  CaptureInPassing(path, board, piece->side);

  if (piece->kind == Knight) {
    board.MovePiece(currentRow, currentCol, path.destRow, path.destCol);
    return FinishMove();
  }

  if (piece->kind == King && path.castling == 1) {
    const int32_t row = path.startRow;
    const bool towardColumn7 = path.startCol < path.destCol;
    const int32_t rookFrom = towardColumn7 ? 7 : 0;
    const int32_t rookTo = towardColumn7 ? path.destCol - 1 : path.destCol + 1;
    board.MovePiece(row, path.startCol, row, path.destCol);
    board.MovePiece(row, rookFrom, row, rookTo);
    return FinishMove();
  }

  if (stepIndex < 0 || stepIndex >= path.stepCount || stepIndex >= CMovePath::kMaxSteps) {
    return FinishMove();
  }
  const int32_t code = path.steps[stepIndex];
  if (code < 0 || code >= kStepCodeCount) return FinishMove();

  stepDirection = code;
  if (CStepAnimator::Animate(board, code, currentRow, currentCol)) stepDirection = kStepArrived;
  if (stepDirection != kStepArrived) return false;

  path.startRow += kStepOffsets[code].row;
  path.startCol += kStepOffsets[code].column;
  currentRow = path.startRow;
  currentCol = path.startCol;
  ++stepIndex;
  if (stepIndex < path.stepCount) return false;

  if (piece->kind == Pawn) {
    if (path.stepCount > 1) {
      board.passedPawnRow = currentRow;
      board.passedPawnCol = currentCol;
    }
  } else {
    board.passedPawnRow = kNoSquare;
    board.passedPawnCol = kNoSquare;
  }
  return FinishMove();
}
