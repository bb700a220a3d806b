// The fast search against the plain one (tests/support/LiteralSearch): the same move, the same
// value, on random game positions, the benchmark suite and hand-picked tactics, mates and
// stalemates. The fast search keeps its table of results from one position to the next, as the
// game does, so stale entries would show here too.
#include "CTestClock.h"
#include "LiteralSearch.h"
#include "RandomGames.h"
#include "TestPositions.h"
#include "players/BenchmarkPositions.h"
#include "players/CSearchEngine.h"
#include "rules/Fen.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct NamedPosition {
  std::string name;
  std::string fen;
};

std::string MoveText(bool recorded, int32_t fromRow, int32_t fromCol, int32_t toRow, int32_t toCol) {
  return recorded ? SquareName(fromRow, fromCol) + SquareName(toRow, toCol) : "none";
}

// Searches a board both ways for `side` and expects the same move and value.
void ExpectSameChoice(CSearchEngine &engine, const CSearchBoard &board, Side side, int depth,
                      const std::string &what) {
  CTestClock clock;
  const uint32_t deadline = clock.Now() + kSearchTimeLimit;
  const literal::Result expected = literal::Search(board, side, depth, deadline);
  const SearchResult actual = engine.Search(board, side, depth, deadline);
  EXPECT_EQ(
      MoveText(actual.found, actual.startRow, actual.startCol, actual.destRow, actual.destCol),
      MoveText(expected.recorded, expected.startRow, expected.startCol, expected.destRow, expected.destCol))
      << what << " depth " << depth;
  EXPECT_EQ(actual.value, expected.value) << what << " depth " << depth;
  EXPECT_FALSE(actual.deadlinePassed);
}

// The same for the side to move of a FEN.
void ExpectSameChoice(CSearchEngine &engine, const NamedPosition &position, int depth) {
  Side side;
  auto board = BoardFromFen(position.fen, &side);
  CSearchBoard searchBoard;
  searchBoard.FillFrom(*board);
  ExpectSameChoice(engine, searchBoard, side, depth, position.name + " (" + position.fen + ")");
}

// Hand-picked positions beyond the benchmark suite: stalemates, lone kings, positions without a
// king, pawns that keep their never-moved mark off their starting row, both pawn directions.
const std::vector<NamedPosition> &HandPicked() {
  static const std::vector<NamedPosition> positions = [] {
    std::vector<NamedPosition> list = {
        {"stalemated-with-pawn", "7k/8/8/8/7p/7P/5q2/7K w - - 0 1"},
        {"stalemated-lone-king", "7k/8/8/8/8/8/5q2/7K w - - 0 1"},
        {"checkmated", "6k1/8/8/8/8/8/5PPP/r5K1 w - - 0 1"},
        {"can-stalemate-opponent", "k7/2Q5/1K6/8/8/8/8/8 w - - 0 1"},
        {"lone-kings", "8/8/3k4/8/8/4K3/8/8 w - - 0 1"},
        {"no-white-king", "4k3/pppppppp/8/8/8/8/PPPPPPPP/8 w - - 0 1"},
        {"no-kings-at-all", "8/3p4/8/8/8/8/3P4/R6r b - - 0 1"},
        {"two-white-kings", "4k3/8/8/8/8/8/3r4/K3K3 w - - 0 1"},
        {"mate-in-two", "6k1/5ppp/8/8/8/8/1Q3PPP/1R4K1 w - - 0 1"},
        {"only-bad-moves", "k7/8/1K6/8/8/8/8/7r w - - 0 1"},
        {"promotion-race", "8/P6k/8/8/8/8/6Kp/8 w - - 0 1"},
        {"pawns-both-ways", "4k3/1p1p4/8/2P1P3/2p1p3/8/1P1P4/4K3 w - - 0 1"},
        {"equal-captures", "4k3/8/8/3p1p2/4N3/8/8/4K3 w - - 0 1"},
        {"black-to-mate", "6k1/8/8/8/8/5q2/6r1/7K b - - 0 1"},
        {"perpetual-check", "6k1/5p1p/6pQ/8/8/8/q4PPP/6K1 w - - 0 1"},
    };
    for (const BenchmarkPosition &p : BenchmarkPositions())
      list.push_back({p.name, p.fen});
    return list;
  }();
  return positions;
}

std::vector<NamedPosition> RandomPositions(uint32_t seed, int count, int maxPlies) {
  std::vector<NamedPosition> list;
  int i = 0;
  for (const RandomPosition &p : RandomGamePositions(seed, count, maxPlies))
    list.push_back({"random-" + std::to_string(seed) + "-" + std::to_string(i++), p.fen});
  return list;
}

// Depths in a mixed order: the table then holds results of the same positions at other depths,
// both deeper and shallower, which must never stand in for each other.
TEST(SearchEquivalence, HandPickedAtDepthsOneToFour) {
  CSearchEngine engine(16);
  for (const NamedPosition &position : HandPicked()) {
    for (const int depth : {2, 4, 1, 3})
      ExpectSameChoice(engine, position, depth);
  }
}

// Random games: short and long, so that openings, middlegames, promotions and bare endgames all
// come up. Split in chunks that CTest runs side by side.
class RandomGames : public ::testing::TestWithParam<uint32_t> {};

TEST_P(RandomGames, DepthTwo) {
  CSearchEngine engine(16);
  for (const NamedPosition &position : RandomPositions(GetParam(), 100, 160))
    ExpectSameChoice(engine, position, 2);
}

TEST_P(RandomGames, DepthFour) {
  CSearchEngine engine(16);
  for (const NamedPosition &position : RandomPositions(GetParam() + 1000, 40, 160))
    ExpectSameChoice(engine, position, 4);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomGames, ::testing::Values(1u, 2u, 3u));

// Boards no game reaches (no king, several kings, pawns of one side going both ways), for either
// side to move.
TEST(SearchEquivalence, ScatteredBoards) {
  CSearchEngine engine(16);
  for (uint32_t seed = 0; seed < 120; ++seed) {
    const CSearchBoard board = ScatteredSearchBoard(seed, 3 + static_cast<int>(seed % 10));
    const Side side = seed % 2 ? Black : White;
    ExpectSameChoice(engine, board, side, 1 + static_cast<int>(seed % 3),
                     "scattered board " + std::to_string(seed));
  }
}

// A clock that stands at a deadline's first tick past it, however often it is read.
class CPastDeadlineClock : public CClockSource {
public:
  explicit CPastDeadlineClock(uint32_t now) : now_(now) { SetClockSource(this); }
  ~CPastDeadlineClock() override { SetClockSource(nullptr); }
  uint32_t Ticks() override { return now_; }
  void Delay(uint32_t) override {}

private:
  uint32_t now_;
};

TEST(SearchEquivalence, APassedDeadlineCutsEveryOpponentNodeShort) {
  // Once the deadline has passed, every opponent node returns its evaluation at once: a search of
  // any depth then chooses as a one-ply search does. The results of that search are not kept, so
  // the next search (in time) is exact again.
  const uint32_t deadline = 1000 + kSearchTimeLimit;
  CSearchEngine engine(16);
  for (const char *fen : {"r1bqkbnr/pppp1ppp/2n5/1B2p3/4P3/5N2/PPPP1PPP/RNBQK2R b KQkq - 3 3",
                          "6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1"}) {
    Side side;
    auto board = BoardFromFen(fen, &side);
    CSearchBoard searchBoard;
    searchBoard.FillFrom(*board);
    literal::Result onePly, late;
    SearchResult fastLate;
    {
      CTestClock clock(1000);
      onePly = literal::Search(searchBoard, side, 1, deadline);
    }
    {
      CPastDeadlineClock clock(deadline + 1);
      late = literal::Search(searchBoard, side, 4, deadline);
      fastLate = engine.Search(searchBoard, side, 4, deadline);
    }
    EXPECT_EQ(late.value, onePly.value) << fen;
    EXPECT_EQ(MoveText(late.recorded, late.startRow, late.startCol, late.destRow, late.destCol),
              MoveText(onePly.recorded, onePly.startRow, onePly.startCol, onePly.destRow, onePly.destCol));
    EXPECT_TRUE(fastLate.deadlinePassed);
    EXPECT_EQ(fastLate.value, late.value) << fen;
    EXPECT_EQ(
        MoveText(fastLate.found, fastLate.startRow, fastLate.startCol, fastLate.destRow, fastLate.destCol),
        MoveText(late.recorded, late.startRow, late.startCol, late.destRow, late.destCol));
    ExpectSameChoice(engine, searchBoard, side, 4, fen);
  }
}

// Positions where the plain search at depth 6 stays within a second or two.
TEST(SearchEquivalence, DepthSix) {
  const std::vector<NamedPosition> positions = {
      {"back-rank-white", "6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1"},
      {"back-rank-black", "3r2k1/5ppp/8/8/8/8/5PPP/6K1 b - - 0 1"},
      {"rook-and-king", "8/8/8/4k3/8/8/8/R3K3 w - - 0 1"},
      {"king-and-pawn", "8/8/4k3/8/4P3/4K3/8/8 w - - 0 1"},
      {"queen-and-king", "7k/5Q2/6K1/8/8/8/8/8 w - - 0 1"},
      {"queen-versus-rook", "8/8/8/3k4/8/8/2r5/KQ6 b - - 0 1"},
      {"minor-pieces", "8/3b4/2k5/8/3P4/2K1N3/8/8 w - - 0 1"},
      {"promotion-race", "8/P6k/8/8/8/8/6Kp/8 w - - 0 1"},
      {"can-stalemate-opponent", "k7/2Q5/1K6/8/8/8/8/8 w - - 0 1"},
      {"only-bad-moves", "k7/8/1K6/8/8/8/8/7r w - - 0 1"},
      {"black-to-mate", "6k1/8/8/8/8/5q2/6r1/7K b - - 0 1"},
      {"equal-captures", "4k3/8/8/3p1p2/4N3/8/8/4K3 w - - 0 1"},
  };
  CSearchEngine engine(16);
  for (const NamedPosition &position : positions)
    ExpectSameChoice(engine, position, 6);
}

} // namespace
