// The computer's search: a fixed-depth search on material that chooses exactly the move, with
// exactly the value, of the plain search it is defined by (every node scanning its moves in board
// order, passing its running best to its children as their only bound; the computer's nodes start
// at kComputerNoMoveValue and the opponent's at kOpponentNoMoveValue; at the top the first move in
// board order with the strictly highest value wins), only much faster.
//
// Why the answer is the same: that plain search is alpha-beta in which a node knows one bound only.
// Every value it hands back is exact wherever it lies inside the bound, and otherwise a bound on the
// same side as the exact one, so the top gets the exact minimax value of every move that beats the
// best before it. Minimax values do not depend on the order in which moves are tried nor on the
// window a node is searched with, so below the top this search is free to use a full window, its
// own move order, and a table of results keyed on everything a value depends on (every piece with
// its four bytes, the side to move, the computer's side and the depth left). At the top it needs
// only the exact value of the first best move and the fact that no earlier move reaches that value.
#pragma once

#include "players/CSearchBoard.h"
#include "players/CSearchPosition.h"

#include <cstdint>
#include <vector>

struct SearchResult {
  // A move was recorded at the top: some legal move scored above kComputerNoMoveValue.
  bool found = false;
  int32_t startRow = kNoSquare;
  int32_t startCol = kNoSquare;
  int32_t destRow = kNoSquare;
  int32_t destCol = kNoSquare;
  // The value of the top node.
  int32_t value = kComputerNoMoveValue;
  // Nodes entered (calls of MaxValue and MinValue).
  uint64_t nodes = 0;
  // The deadline passed during the search; the later values are evaluations cut short.
  bool deadlinePassed = false;
};

class CSearchEngine {
public:
  // Deepest search accepted; deeper requests are searched to this depth.
  static constexpr int kMaxDepth = 64;

  // The table of results holds 2 << tableBits entries of 16 bytes (16 MB by default).
  explicit CSearchEngine(int tableBits = 19);

  // Searches `depth` plies for `computerSide`, which moves first. The deadline (a tick count) is
  // tested on entry to every opponent node; once past, those nodes return their evaluation at once.
  SearchResult Search(const CSearchBoard &board, Side computerSide, int depth, uint32_t deadline);

  // Forgets every stored result. Results stay valid from search to search (they hold for the
  // position, whatever the search it came from), so this only matters for timing fresh searches.
  void ClearTable();

private:
  struct Move {
    uint8_t from;
    uint8_t to;
    int32_t score;
  };
  struct RootMove {
    uint8_t from;
    uint8_t to;
    int32_t index; // position in board order
    int32_t score; // value in the last pass, for ordering the next one
  };
  struct Entry {
    uint64_t key = 0;
    int32_t value = 0;
    uint8_t depth = 0;
    uint8_t epoch = 0;
    uint16_t data = 0; // from | to << 6 | bound << 12 | has-move flag << 14
  };
  enum Bound : uint16_t { kNoBound = 0, kUpperBound = 1, kLowerBound = 2, kExact = 3 };

  static Bound EntryBound(const Entry &entry) { return static_cast<Bound>((entry.data >> 12) & 3); }

  static constexpr int kMaxMovesPerPly = kSquareCount * 27;
  static constexpr uint16_t kNoMove = 0xFFFF;

  // A node where the computer moves and one where its opponent moves. Each returns the exact value
  // when it lies strictly between alpha and beta, else a bound beyond the one it crossed.
  int32_t MaxValue(int depth, int32_t alpha, int32_t beta, int ply);
  int32_t MinValue(int depth, int32_t alpha, int32_t beta, int ply);
  template <bool kMaxNode> int32_t Node(int depth, int32_t alpha, int32_t beta, int ply);

  bool DeadlineReached();
  int GenerateMoves(int side, Move *moves, uint16_t tableMove, int ply) const;
  const Entry *Probe(uint64_t key, int depth, uint16_t &move) const;
  void Store(uint64_t key, int depth, Bound bound, int32_t value, uint16_t move);
  void SearchRoot(int depth, std::vector<RootMove> &rootMoves, SearchResult &result);

  CSearchPosition position_;
  int computer_ = White;
  int opponent_ = Black;
  uint64_t sideKeys_[2] = {};
  uint32_t deadline_ = 0;
  bool deadlinePassed_ = false;
  uint64_t nodes_ = 0;

  std::vector<Entry> table_;
  uint64_t bucketMask_ = 0;
  uint8_t epoch_ = 1;

  std::vector<Move> moveStack_;   // kMaxMovesPerPly per ply
  std::vector<uint16_t> killers_; // two per ply
  std::vector<int32_t> history_;  // side, from, to
};
