// A hand-driven clock for tests. While one exists it is the program's clock: GetTickCount returns
// its time and Sleep advances it at once, so nothing ever waits for real.
#pragma once

#include "platform/Clock.h"

#include <cstdint>

class CTestClock : public CClockSource {
public:
  // Starts at `start` milliseconds. Zero is avoided by default because several timers use a
  // start time of 0 to mean "not running".
  explicit CTestClock(uint32_t start = 1000);
  ~CTestClock() override;
  CTestClock(const CTestClock &) = delete;
  CTestClock &operator=(const CTestClock &) = delete;

  void Set(uint32_t now) { now_ = now; }
  void Advance(uint32_t milliseconds) { now_ += milliseconds; }
  uint32_t Now() const { return now_; }
  // Total time spent in Sleep since construction.
  uint32_t Slept() const { return slept_; }

  uint32_t Ticks() override { return now_; }
  void Delay(uint32_t milliseconds) override;

private:
  uint32_t now_;
  uint32_t slept_ = 0;
};
