// The computer's compact copy of a position: four bytes per square (kind, side, never-moved mark,
// pawn direction) and the two offset tables, with the move generator, check test, mate test and
// material evaluation that its search is defined by. These free functions are the reference
// shape of the search's rules; the search itself runs on CSearchPosition, which answers the same
// questions faster.
#pragma once

#include "rules/ChessTypes.h"

#include <cstdint>
#include <memory>

class CChessBoard;

// `kind` of an empty search square.
constexpr uint8_t kEmptySearchSquare = 99;

// --- The values the search works with ------------------------------------------------------------
// Material by PieceKind (King, Queen, Rook, Bishop, Knight, Pawn).
constexpr int32_t kMaterialValue[6] = {0, 900, 500, 325, 300, 100};
// Bonus to a side whose opponent's king is attacked, and to a side whose opponent is mated.
constexpr int32_t kCheckBonus = 50;
constexpr int32_t kMateBonus = 100000;
// Starting best of a node where the computer is to move; also its value when it has no legal move.
constexpr int32_t kComputerNoMoveValue = -90000000;
// Starting best of a node where the opponent is to move; also its value when it has no legal move.
constexpr int32_t kOpponentNoMoveValue = 10000;
// The bound passed to the top of the search.
constexpr int32_t kTopBound = 999999999;
// Milliseconds from the start of a search to its deadline (15 minutes).
constexpr uint32_t kSearchTimeLimit = 900000;

// True when the tick count `now` is past `deadline` (wrap-safe: a deadline computed just before the
// 32-bit tick count wraps still lies in the future).
constexpr bool DeadlinePassed(uint32_t now, uint32_t deadline) {
  return static_cast<int32_t>(now - deadline) > 0;
}

struct SearchSquare {
  uint8_t kind = kEmptySearchSquare;
  uint8_t side = 0;
  uint8_t neverMoved = 0;
  uint8_t direction = 0;
};

// One destination.
struct SearchMove {
  int32_t column = 0;
  int32_t row = 0;
};

// The destinations of one piece in generation order; at most 32 (no piece has more than 27).
class SearchMoveList {
public:
  static constexpr int kMaxMoves = 32;

  // Adds a destination at the end; false (and nothing added) when the list is full.
  bool Append(int32_t column, int32_t row);
  void Clear() { count = 0; }

  const SearchMove &operator[](int i) const { return moves[i]; }
  const SearchMove *begin() const { return moves; }
  const SearchMove *end() const { return moves + count; }

  int32_t count = 0;
  SearchMove moves[kMaxMoves];
};

class CSearchBoard {
public:
  // Every square empty (kind 99, the other bytes 0); both offset tables filled.
  CSearchBoard();

  // Copies kind, side, never-moved mark and direction of each piece on `board` onto its square.
  void FillFrom(const CChessBoard &board);
  // Copies every occupied square of `other` (meant for a freshly constructed board).
  void CopyFrom(const CSearchBoard &other);

  SearchSquare &At(int32_t row, int32_t column) { return squares[SquareIndex(row, column)]; }
  const SearchSquare &At(int32_t row, int32_t column) const { return squares[SquareIndex(row, column)]; }
  bool IsEmpty(int32_t row, int32_t column) const { return At(row, column).kind == kEmptySearchSquare; }

  // Same four bytes on every square.
  bool SamePosition(const CSearchBoard &other) const;

  SearchSquare squares[kSquareCount];
  Offset stepTable[kStepCodeCount];
  Offset knightTable[kStepCodeCount];
};

// The destinations of the piece on (row, column) into `list` (emptied first), by the rules and in
// the order of the board's own move generation, except that a king never castles. An empty square,
// or a kind outside King..Pawn, gives none.
void GenerateSearchMoves(const CSearchBoard &board, int32_t row, int32_t column, SearchMoveList &list);
// The same as a new list; null for an empty square or an unknown kind.
std::unique_ptr<SearchMoveList> GenerateSearchMoves(const CSearchBoard &board, int32_t row, int32_t column);

// True when some piece of the opponent of `side` has among its destinations the square of `side`'s
// king: the last king of that side in a row-major scan, or (0, 0) when it has none.
bool SearchInCheck(const CSearchBoard &board, Side side);

// True when `side` counts as beaten: in check, or reduced to its king, and without a move that
// leaves its king unattacked.
bool SearchMated(const CSearchBoard &board, Side side);

// Material, plus kCheckBonus to a side whose opponent is in check and kMateBonus to a side whose
// opponent is mated, as seen from `side` (positive when `side` stands better).
int32_t Evaluate(const CSearchBoard &board, Side side);
