// The moves of one piece, in generation order. Holds at most 32 paths; no piece has more than 27.
#pragma once

#include "rules/CMovePath.h"

#include <cstdint>

class CMoveList {
public:
  static constexpr int kMaxPaths = 32;

  // Adds a copy of `path` at the end; returns false (and adds nothing) when the list is full.
  bool Append(const CMovePath &path);
  // Empties the list.
  void Clear() { count = 0; }

  const CMovePath &operator[](int i) const { return paths[i]; }
  const CMovePath *begin() const { return paths; }
  const CMovePath *end() const { return paths + count; }

  int32_t count = 0;
  CMovePath paths[kMaxPaths];
};
