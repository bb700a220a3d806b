// One move: a start square plus the one-square steps that carry the piece to its destination.
#pragma once

#include <cstdint>

class CMovePath {
public:
  static constexpr int kMaxSteps = 16;

  // Appends a step code (or, for a knight, its knight-offset index). A full path ignores the call.
  void AppendStep(int32_t code);
  // Sets the destination by applying the steps to the start square. Knight and castling paths
  // get their destination set directly instead.
  void Walk();
  // Copies the flag, both squares and the used steps.
  void CopyFrom(const CMovePath &other);

  uint8_t castling = 0;
  int32_t startRow = 0;
  int32_t startCol = 0;
  int32_t stepCount = 0;
  int32_t steps[kMaxSteps] = {};
  int32_t destRow = 0;
  int32_t destCol = 0;
};
