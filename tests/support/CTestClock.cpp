#include "CTestClock.h"

CTestClock::CTestClock(uint32_t start) : now_(start) { SetClockSource(this); }

CTestClock::~CTestClock() { SetClockSource(nullptr); }

void CTestClock::Delay(uint32_t milliseconds) {
  now_ += milliseconds;
  slept_ += milliseconds;
}
