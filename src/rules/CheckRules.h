// Board-level tests built on move generation: is a king attacked, would a move leave the mover's
// own king attacked, and is the side to move beaten. There are no draw rules.
#pragma once

#include "rules/ChessTypes.h"

#include <cstdint>

class CChessBoard;
class CPiece;

// True when some piece of the opponent of `side` has a generated move onto `side`'s king. The king
// is the last one found in a row-major scan, or (0, 0) when the side has none.
bool IsInCheck(const CChessBoard &board, Side side);

// True when `side` has a move that leaves its own king unattacked.
bool HasLegalMove(CChessBoard &board, Side side);

// True when `side` counts as beaten: checkmated, or reduced to its king with no legal move. A side
// that still has other pieces and is not in check is never beaten, even without a legal move.
bool HasNoEscape(CChessBoard &board, Side side);

// Puts the piece on `from` onto `to` for as long as the object lives, remembering what stood on
// `to`; the destructor puts both back. Nothing is deleted or created.
class CTentativeMove {
public:
  CTentativeMove(CChessBoard &board, int32_t fromRow, int32_t fromCol, int32_t toRow, int32_t toCol);
  ~CTentativeMove();
  CTentativeMove(const CTentativeMove &) = delete;
  CTentativeMove &operator=(const CTentativeMove &) = delete;

private:
  CChessBoard &board_;
  int32_t fromRow_, fromCol_, toRow_, toCol_;
  CPiece *moved_ = nullptr;
  CPiece *displaced_ = nullptr;
  bool made_ = false;
};

// Legality of a move for the side of the piece on `from`: true when the tentative move leaves
// `side`'s king unattacked. Castling is tested by the king's destination alone.
bool LeavesKingSafe(CChessBoard &board, int32_t fromRow, int32_t fromCol, int32_t toRow, int32_t toCol,
                    Side side);
