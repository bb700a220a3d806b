#include "platform/Clock.h"
#include "CTestClock.h"

#include <gtest/gtest.h>

TEST(Clock, TestClockDrivesTheProgramClockAndSleepAdvancesIt) {
  CTestClock clock(5000);
  EXPECT_EQ(GetTickCount(), 5000u);
  clock.Advance(250);
  EXPECT_EQ(GetTickCount(), 5250u);
  Sleep(100);
  EXPECT_EQ(GetTickCount(), 5350u);
  EXPECT_EQ(clock.Slept(), 100u);
}

TEST(Clock, SystemClockReturnsWhenTheTestClockIsGone) {
  { CTestClock clock(0xFFFFFF00u); }
  // The system clock counts from program start, far from the test clock's value.
  EXPECT_LT(GetTickCount(), 0xFFFFFF00u);
}
