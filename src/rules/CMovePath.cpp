#include "rules/CMovePath.h"

#include "rules/ChessTypes.h"

void CMovePath::AppendStep(int32_t code) {
  if (stepCount < 0 || stepCount >= kMaxSteps) return;
  steps[stepCount++] = code;
}

void CMovePath::Walk() {
  destRow = startRow;
  destCol = startCol;
  for (int i = 0; i < stepCount && i < kMaxSteps; ++i) {
    const int32_t code = steps[i];
    if (code < 0 || code >= kStepCodeCount) continue;
    destRow += kStepOffsets[code].row;
    destCol += kStepOffsets[code].column;
  }
}

void CMovePath::CopyFrom(const CMovePath &other) {
  castling = other.castling;
  startRow = other.startRow;
  startCol = other.startCol;
  destRow = other.destRow;
  destCol = other.destCol;
  stepCount = other.stepCount;
  for (int i = 0; i < stepCount && i < kMaxSteps; ++i)
    steps[i] = other.steps[i];
}
