// The computer's search and evaluation written out plainly, step by step as they are defined: a
// copy of the board at every node, a move list built for every piece, check tests that generate
// every enemy move, the running best passed down as the only bound. Slow on purpose; the fast
// search (players/CSearchEngine) must choose the same move with the same value on every position.
#pragma once

#include "players/CSearchBoard.h"
#include "rules/ChessTypes.h"

#include <cstdint>

class CChessBoard;

namespace literal {

// Destinations of the piece on (row, column) in generation order; none for an empty square.
void GenerateSearchMoves(const CSearchBoard &board, int32_t row, int32_t column, SearchMoveList &list);
bool SearchInCheck(const CSearchBoard &board, Side side);
bool SearchMated(CSearchBoard &board, Side side);
int32_t Evaluate(CSearchBoard &board, Side side);

struct Result {
  bool recorded = false;
  int32_t startRow = kNoSquare;
  int32_t startCol = kNoSquare;
  int32_t destRow = kNoSquare;
  int32_t destCol = kNoSquare;
  int32_t value = 0;
  uint64_t nodes = 0; // calls of MaxValue and MinValue
};

// The search of the computer playing `computerSide` on a board filled from `board`, `depth` plies,
// with its deadline `deadline` (tick count).
Result Search(const CSearchBoard &board, Side computerSide, int depth, uint32_t deadline);
Result Search(const CChessBoard &board, Side computerSide, int depth, uint32_t deadline);

} // namespace literal
