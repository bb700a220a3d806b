#include "rules/Perft.h"
#include "TestPositions.h"
#include "rules/Fen.h"

#include <gtest/gtest.h>

// Standard counts from the starting position; depth 5 lacks the 258 captures in passing that these
// rules never generate.
TEST(Perft, StartingPositionCounts) {
  Side side;
  auto board = BoardFromFen(kStartFen, &side);
  const std::string before = ToFen(*board, side);
  const uint64_t expected[] = {20, 400, 8902, 197281};
  for (int depth = 1; depth <= 4; ++depth)
    EXPECT_EQ(Perft(*board, side, depth), expected[depth - 1]);
  EXPECT_EQ(ToFen(*board, side), before);
}

TEST(Perft, DepthFiveWithoutCapturesInPassing) {
  Side side;
  auto board = BoardFromFen(kStartFen, &side);
  EXPECT_EQ(Perft(*board, side, 5), 4865351u);
}

TEST(Perft, CastlingCountsAndBringsTheRook) {
  // Both kings may castle either way; after O-O the rook stands on f1.
  Side side;
  auto board = BoardFromFen("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", &side);
  // King: 5 steps + 2 castlings; rooks: a1 has 3 along rank + 7 up, h1 has 2 + 7.
  EXPECT_EQ(Perft(*board, side, 1), 26u);
}
