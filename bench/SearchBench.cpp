// The computer's search on the benchmark positions, fast and plain side by side, at the three skill
// depths. Each fast search starts with an empty table of results, as the first search of a match
// would. After the runs a summary gives, per depth and version, the median and the worst CPU time over
// the positions, and the ratio of the plain median to the fast one.
//
//   ravelmark_bench                                  everything (the plain depth 6 takes minutes)
//   ravelmark_bench --benchmark_filter=fast          the fast search only
#include "LiteralSearch.h"
#include "TestPositions.h"
#include "players/BenchmarkPositions.h"
#include "players/CSearchEngine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kDepths[] = {2, 4, 6};
// A deadline that never passes: the tick count of the program's clock starts near 0.
constexpr uint32_t kNoDeadline = 0x7FFFFFFF;

struct Prepared {
  CSearchBoard board;
  Side side;
};

Prepared Prepare(const char *fen) {
  Prepared prepared;
  auto board = BoardFromFen(fen, &prepared.side);
  prepared.board.FillFrom(*board);
  return prepared;
}

CSearchEngine &Engine() {
  static CSearchEngine engine;
  return engine;
}

void Fast(benchmark::State &state, const char *fen, int depth) {
  const Prepared p = Prepare(fen);
  uint64_t nodes = 0;
  for (auto _ : state) {
    Engine().ClearTable();
    const SearchResult result = Engine().Search(p.board, p.side, depth, kNoDeadline);
    nodes = result.nodes;
    benchmark::DoNotOptimize(result.value);
  }
  state.counters["nodes"] = static_cast<double>(nodes);
}

void Plain(benchmark::State &state, const char *fen, int depth) {
  const Prepared p = Prepare(fen);
  uint64_t nodes = 0;
  for (auto _ : state) {
    const literal::Result result = literal::Search(p.board, p.side, depth, kNoDeadline);
    nodes = result.nodes;
    benchmark::DoNotOptimize(result.value);
  }
  state.counters["nodes"] = static_cast<double>(nodes);
}

void RegisterAll() {
  for (const int depth : kDepths) {
    for (const char *version : {"fast", "plain"}) {
      for (const BenchmarkPosition &position : BenchmarkPositions()) {
        const std::string name =
            std::string("search/") + version + "/depth" + std::to_string(depth) + "/" + position.name;
        benchmark::internal::Benchmark *b =
            version[0] == 'f' ? benchmark::RegisterBenchmark(name.c_str(), Fast, position.fen, depth)
                              : benchmark::RegisterBenchmark(name.c_str(), Plain, position.fen, depth);
        b->Unit(benchmark::kMillisecond);
        // The plain search at depth 6 can take a minute on one position: run it once.
        if (version[0] == 'p') b->Iterations(depth >= 6 ? 1 : 3);
      }
    }
  }
}

// Passes everything to the console and keeps each run's time (ms) for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run> &runs) override {
    for (const Run &run : runs) {
      if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
      const std::string name = run.benchmark_name();
      // search/<version>/depth<d>/<position>
      const size_t a = name.find('/'), b = name.find('/', a + 1), c = name.find('/', b + 1);
      if (a == std::string::npos || b == std::string::npos || c == std::string::npos) continue;
      const std::string version = name.substr(a + 1, b - a - 1);
      const std::string depth = name.substr(b + 1, c - b - 1);
      // CPU time: on a shared machine it is steadier than the wall clock.
      const double ms = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
      const size_t d = name.find('/', c + 1); // a suffix such as /iterations:1 follows the position
      times_[depth][version].push_back({name.substr(c + 1, d == std::string::npos ? d : d - c - 1), ms});
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-8s %-6s %10s %10s  %s\n", "depth", "search", "median ms", "worst ms", "worst position");
    for (auto &[depth, versions] : times_) {
      double medians[2] = {0, 0};
      int i = 0;
      for (const char *version : {"fast", "plain"}) {
        auto it = versions.find(version);
        if (it == versions.end() || it->second.empty()) {
          ++i;
          continue;
        }
        std::vector<Timing> &t = it->second;
        std::sort(t.begin(), t.end(), [](const Timing &x, const Timing &y) { return x.ms < y.ms; });
        const size_t n = t.size();
        medians[i++] = n % 2 ? t[n / 2].ms : (t[n / 2 - 1].ms + t[n / 2].ms) / 2;
        std::printf("%-8s %-6s %10.3f %10.3f  %s\n", depth.c_str(), version, medians[i - 1], t.back().ms,
                    t.back().position.c_str());
      }
      if (medians[0] > 0 && medians[1] > 0)
        std::printf("%-8s ratio of medians (plain / fast): %.1f\n", depth.c_str(), medians[1] / medians[0]);
    }
  }

private:
  struct Timing {
    std::string position;
    double ms;
  };
  std::map<std::string, std::map<std::string, std::vector<Timing>>> times_;
};

} // namespace

int main(int argc, char **argv) {
  RegisterAll();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
