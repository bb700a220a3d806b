#include "players/CSearchEngine.h"

#include "platform/Clock.h"

#include <algorithm>

namespace {

constexpr uint16_t PackMove(int from, int to) { return static_cast<uint16_t>(from | to << 6); }
constexpr uint16_t kHasMoveFlag = 1 << 14;

// Move ordering: the stored best move, then captures (most valuable victim first, least valuable
// attacker first), then the two killer moves of the ply, then quiet moves by history.
constexpr int32_t kTableMoveScore = 1 << 30;
constexpr int32_t kCaptureScore = 1 << 28;
constexpr int32_t kKillerScore = 1 << 27;
constexpr int32_t kHistoryLimit = 1 << 26;
// Ordering weight of a captured kind (King .. Pawn, inert): kings are taken first of all.
constexpr int32_t kVictimOrder[CSearchPosition::kKindCount] = {6, 5, 4, 3, 2, 1, 0};
constexpr int32_t kAttackerOrder[CSearchPosition::kKindCount] = {0, 1, 2, 3, 3, 5, 5};

} // namespace

CSearchEngine::CSearchEngine(int tableBits) {
  tableBits = std::clamp(tableBits, 4, 28);
  const uint64_t buckets = uint64_t{1} << tableBits;
  table_.assign(buckets * 2, Entry());
  bucketMask_ = buckets - 1;
  killers_.assign((kMaxDepth + 2) * 2, kNoMove);
  history_.assign(2 * kSquareCount * kSquareCount, 0);
}

void CSearchEngine::ClearTable() {
  if (++epoch_ == 0) {
    std::fill(table_.begin(), table_.end(), Entry());
    epoch_ = 1;
  }
}

const CSearchEngine::Entry *CSearchEngine::Probe(uint64_t key, int depth, uint16_t &move) const {
  const Entry *bucket = &table_[(key & bucketMask_) * 2];
  const Entry *found = nullptr;
  for (int i = 0; i < 2; ++i) {
    const Entry &entry = bucket[i];
    if (entry.key != key || entry.epoch != epoch_ || EntryBound(entry) == kNoBound) continue;
    if ((entry.data & kHasMoveFlag) && (move == kNoMove || entry.depth == depth)) move = entry.data & 0xFFF;
    if (entry.depth == depth) found = &entry;
  }
  return found;
}

void CSearchEngine::Store(uint64_t key, int depth, Bound bound, int32_t value, uint16_t move) {
  if (deadlinePassed_) return; // values cut short by the deadline are not the position's
  Entry *bucket = &table_[(key & bucketMask_) * 2];
  Entry &deep = bucket[0];
  Entry &target = (deep.epoch != epoch_ || deep.key == key || depth >= deep.depth) ? deep : bucket[1];
  target.key = key;
  target.value = value;
  target.depth = static_cast<uint8_t>(depth);
  target.epoch = epoch_;
  target.data = static_cast<uint16_t>(bound << 12 | (move == kNoMove ? 0 : (move & 0xFFF) | kHasMoveFlag));
}

bool CSearchEngine::DeadlineReached() {
  if (!deadlinePassed_ && DeadlinePassed(GetTickCount(), deadline_)) deadlinePassed_ = true;
  return deadlinePassed_;
}

int CSearchEngine::GenerateMoves(int side, Move *moves, uint16_t tableMove, int ply) const {
  const uint16_t killer0 = killers_[ply * 2], killer1 = killers_[ply * 2 + 1];
  const int32_t *history = &history_[side * kSquareCount * kSquareCount];
  int count = 0;
  for (uint64_t pieces = position_.bySide[side]; pieces; pieces &= pieces - 1) {
    const int from = __builtin_ctzll(pieces);
    const int attacker = position_.KindOf(from);
    for (uint64_t targets = position_.Targets(from); targets; targets &= targets - 1) {
      const int to = __builtin_ctzll(targets);
      const uint16_t packed = PackMove(from, to);
      int32_t score;
      if (packed == tableMove) {
        score = kTableMoveScore;
      } else if (position_.board[to]) {
        score = kCaptureScore + kVictimOrder[position_.KindOf(to)] * 16 - kAttackerOrder[attacker];
      } else if (packed == killer0) {
        score = kKillerScore + 1;
      } else if (packed == killer1) {
        score = kKillerScore;
      } else {
        score = history[from * kSquareCount + to];
      }
      moves[count++] = Move{static_cast<uint8_t>(from), static_cast<uint8_t>(to), score};
    }
  }
  return count;
}

int32_t CSearchEngine::MaxValue(int depth, int32_t alpha, int32_t beta, int ply) {
  return Node<true>(depth, alpha, beta, ply);
}

int32_t CSearchEngine::MinValue(int depth, int32_t alpha, int32_t beta, int ply) {
  return Node<false>(depth, alpha, beta, ply);
}

template <bool kMaxNode> int32_t CSearchEngine::Node(int depth, int32_t alpha, int32_t beta, int ply) {
  ++nodes_;
  if constexpr (kMaxNode) {
    if (depth == 0) return position_.Evaluate(computer_);
    // The value is never below the computer's starting value: at or below it, it cannot reach beta.
    if (beta <= kComputerNoMoveValue) return kComputerNoMoveValue;
  } else {
    if (depth == 0 || DeadlineReached()) return position_.Evaluate(computer_);
    // The value is never above the opponent's starting value.
    if (alpha >= kOpponentNoMoveValue) return kOpponentNoMoveValue;
  }
  const int side = kMaxNode ? computer_ : opponent_;
  const uint64_t key = position_.key ^ sideKeys_[side];
  uint16_t tableMove = kNoMove;
  if (const Entry *entry = Probe(key, depth, tableMove)) {
    const Bound bound = EntryBound(*entry);
    if (bound == kExact || (bound == kLowerBound && entry->value >= beta) ||
        (bound == kUpperBound && entry->value <= alpha)) {
      return entry->value;
    }
  }

  Move *moves = &moveStack_[static_cast<size_t>(ply) * kMaxMovesPerPly];
  const int count = GenerateMoves(side, moves, tableMove, ply);
  int32_t best = kMaxNode ? kComputerNoMoveValue : kOpponentNoMoveValue;
  uint16_t bestMove = kNoMove;
  bool cutoff = false;
  for (int i = 0; i < count; ++i) {
    // Selection: the best-scored remaining move next.
    int pick = i;
    for (int j = i + 1; j < count; ++j) {
      if (moves[j].score > moves[pick].score) pick = j;
    }
    std::swap(moves[i], moves[pick]);
    const Move move = moves[i];

    CSearchPosition::Undo undo;
    position_.Make(move.from, move.to, undo);
    if (position_.InCheck(side)) {
      position_.Unmake(undo);
      continue;
    }
    const int32_t value = kMaxNode ? MinValue(depth - 1, std::max(alpha, best), beta, ply + 1)
                                   : MaxValue(depth - 1, alpha, std::min(beta, best), ply + 1);
    position_.Unmake(undo);

    if (kMaxNode ? value > best : value < best) {
      best = value;
      bestMove = PackMove(move.from, move.to);
      if (kMaxNode ? best >= beta : best <= alpha) {
        cutoff = true;
        if (!undo.captured) {
          if (killers_[ply * 2] != bestMove) {
            killers_[ply * 2 + 1] = killers_[ply * 2];
            killers_[ply * 2] = bestMove;
          }
          int32_t &h = history_[(side * kSquareCount + move.from) * kSquareCount + move.to];
          h = std::min(h + depth * depth, kHistoryLimit);
        }
        break;
      }
    }
  }

  Bound bound;
  if (kMaxNode) {
    bound = cutoff ? kLowerBound : (best > alpha ? kExact : kUpperBound);
  } else {
    bound = cutoff ? kUpperBound : (best < beta ? kExact : kLowerBound);
  }
  Store(key, depth, bound, best, bestMove);
  return best;
}

void CSearchEngine::SearchRoot(int depth, std::vector<RootMove> &rootMoves, SearchResult &result) {
  ++nodes_;
  // The first move in board order with the highest value wins. A move is tried with a window just
  // low enough to show that it beats the best so far (or, for a move earlier in board order, that
  // it equals it), and then its value is exact.
  int32_t bestValue = kComputerNoMoveValue;
  int32_t bestIndex = -1;
  for (RootMove &move : rootMoves) {
    const int32_t alpha = (bestIndex >= 0 && move.index < bestIndex) ? bestValue - 1 : bestValue;
    CSearchPosition::Undo undo;
    position_.Make(move.from, move.to, undo);
    const int32_t value = MinValue(depth - 1, alpha, kTopBound, 1);
    position_.Unmake(undo);
    move.score = value;
    if (value > alpha) {
      bestValue = value;
      bestIndex = move.index;
      result.found = true;
      result.startRow = move.from / kBoardSize;
      result.startCol = move.from % kBoardSize;
      result.destRow = move.to / kBoardSize;
      result.destCol = move.to % kBoardSize;
    }
  }
  result.value = bestValue;
  // Next pass: the best move first, then by value, board order breaking ties.
  for (RootMove &move : rootMoves) {
    if (move.index == bestIndex) move.score = kTopBound;
  }
  std::stable_sort(rootMoves.begin(), rootMoves.end(),
                   [](const RootMove &a, const RootMove &b) { return a.score > b.score; });
}

SearchResult CSearchEngine::Search(const CSearchBoard &board, Side computerSide, int depth,
                                   uint32_t deadline) {
  SearchResult result;
  position_.Load(board);
  computer_ = computerSide == White ? White : Black;
  opponent_ = computer_ ^ 1;
  for (int s = 0; s < 2; ++s)
    sideKeys_[s] = CSearchPosition::SideToMoveKey(s) ^ CSearchPosition::ComputerSideKey(computer_);
  deadline_ = deadline;
  deadlinePassed_ = false;
  nodes_ = 0;
  depth = std::min(depth, kMaxDepth);
  if (depth <= 0) {
    result.nodes = 1;
    result.value = position_.Evaluate(computer_);
    return result;
  }
  moveStack_.resize(static_cast<size_t>(depth + 1) * kMaxMovesPerPly);
  std::fill(killers_.begin(), killers_.end(), kNoMove);
  std::fill(history_.begin(), history_.end(), 0);

  // The computer's legal moves in board order.
  std::vector<RootMove> rootMoves;
  SearchMoveList list;
  for (int from = 0; from < kSquareCount; ++from) {
    const SearchSquare &square = board.squares[from];
    if (square.kind == kEmptySearchSquare || square.side != computerSide) continue;
    GenerateSearchMoves(board, from / kBoardSize, from % kBoardSize, list);
    for (const SearchMove &destination : list) {
      const int to = SquareIndex(destination.row, destination.column);
      CSearchPosition::Undo undo;
      position_.Make(from, to, undo);
      const bool legal = !position_.InCheck(computer_);
      position_.Unmake(undo);
      if (legal) {
        rootMoves.push_back(RootMove{static_cast<uint8_t>(from), static_cast<uint8_t>(to),
                                     static_cast<int32_t>(rootMoves.size()), 0});
      }
    }
  }

  // Shallower passes first, only to order the moves of the deeper ones.
  for (int pass = 1; pass <= depth; ++pass) {
    result = SearchResult();
    SearchRoot(pass, rootMoves, result);
  }
  result.nodes = nodes_;
  result.deadlinePassed = deadlinePassed_;
  return result;
}
