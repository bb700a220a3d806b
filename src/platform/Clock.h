// The program-wide millisecond clock. Every timer in the game is a deadline compared with this
// tick count, and every wait goes through Sleep, so a test can stand in for real time.
#pragma once

#include <cstdint>

// Milliseconds of the current clock source (unsigned, wraps like any 32-bit tick count).
uint32_t GetTickCount();

// Waits the given number of milliseconds on the current clock source.
void Sleep(uint32_t milliseconds);

// Where time comes from. The program runs on the system clock; a test installs its own source.
class CClockSource {
public:
  virtual ~CClockSource() = default;
  virtual uint32_t Ticks() = 0;
  virtual void Delay(uint32_t milliseconds) = 0;
};

// Makes `source` the clock of the whole program; null puts the system clock back.
// The source is not owned and must outlive its use.
void SetClockSource(CClockSource *source);
