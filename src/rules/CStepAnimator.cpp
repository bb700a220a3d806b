#include "rules/CStepAnimator.h"

#include "platform/Clock.h"
#include "rules/CChessBoard.h"
#include "rules/CPiece.h"

namespace {

struct StepTiming {
  uint32_t startTime = 0; // 0: no step of this code under way
  int32_t startX = 0;
  int32_t startY = 0;
};

StepTiming timings[kStepCodeCount];

// How a step code moves the bitmap per millisecond: dx in pixels, dy in half pixels.
struct StepMotion {
  int dx;
  int dy;
};
constexpr StepMotion kMotion[kStepCodeCount] = {
    {0, -1}, {+1, -1}, {+1, 0}, {+1, +1}, {0, +1}, {-1, +1}, {-1, 0}, {-1, -1},
};

} // namespace

bool CStepAnimator::Animate(CChessBoard &board, int32_t code, int32_t row, int32_t column) {
  if (code < 0 || code >= kStepCodeCount) return false;
  CPiece *piece = board.PieceAt(row, column);
  if (!piece) return false;
  StepTiming &timing = timings[code];
  const uint32_t now = GetTickCount();
  if (timing.startTime == 0) {
    timing.startTime = now;
    timing.startX = piece->screenX;
    timing.startY = piece->screenY;
  }

  // A timer left behind by an abandoned step may be very old; past this bound every step has long
  // arrived, and the clamp keeps the coordinates inside 32 bits.
  constexpr double kLongPast = 1e7;
  double t = static_cast<double>(now - timing.startTime);
  if (t > kLongPast) t = kLongPast;
  const StepMotion motion = kMotion[code];
  if (motion.dx != 0) piece->screenX = static_cast<int32_t>(timing.startX + motion.dx * t);
  if (motion.dy != 0) piece->screenY = static_cast<int32_t>(timing.startY + motion.dy * t / 2.0);

  const int32_t targetRow = row + kStepOffsets[code].row;
  const int32_t targetCol = column + kStepOffsets[code].column;
  if (!board.IsOnBoard(targetRow, targetCol)) return false;
  const CBoardSquare &target = board.Square(targetRow, targetCol);
  const int32_t anchorX = target.screenX + kPieceAnchorDx;
  const int32_t anchorY = target.screenY + kPieceAnchorDy;

  // Vertical steps and the four diagonals with a vertical part arrive on y; the two pure
  // horizontal-on-screen codes (2 and 6) arrive on x.
  bool arrived;
  switch (code) {
  case 0:
  case 1:
  case 7:
    arrived = piece->screenY < anchorY;
    break;
  case 3:
  case 4:
  case 5:
    arrived = piece->screenY > anchorY;
    break;
  case 2:
    arrived = piece->screenX > anchorX;
    break;
  default:
    arrived = piece->screenX < anchorX;
    break; // 6
  }
  if (!arrived) return false;

  board.MovePiece(row, column, targetRow, targetCol);
  timing.startTime = 0;
  return true;
}

void CStepAnimator::ResetAll() {
  for (StepTiming &timing : timings)
    timing = StepTiming{};
}

uint32_t CStepAnimator::StartTime(int32_t code) {
  return code >= 0 && code < kStepCodeCount ? timings[code].startTime : 0;
}
