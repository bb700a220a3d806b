// The positions the search is measured on, shared by the benchmark program, the engine command's
// bench and the tests: openings, middlegames with many pieces, tactics, endgames and mates in one
// for either side. The side to move is the computer's.
#pragma once

#include <vector>

struct BenchmarkPosition {
  const char *name;
  const char *fen;
};

const std::vector<BenchmarkPosition> &BenchmarkPositions();
