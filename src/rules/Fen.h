// Positions as text. FEN rank 8 is row 0 and rank 1 is row 7; files a to h are columns 7 to 0, so
// the standard starting position is the game's own (White's king on e1 = (7, 3)). White advances
// toward row 0 (direction 0), Black toward row 7.
//
// neverMoved is read from the text this way: a pawn has it exactly when it stands on its starting
// row; a rook when the castling field grants the right on its side (K: h1, Q: a1, k: h8, q: a8) and
// it stands there; a king when its side keeps either right and it stands on e1 / e8; a queen, bishop
// or knight when it stands on its square of the starting position. An en-passant field sets the
// board's passed-pawn record to the pawn that has just advanced two squares.
#pragma once

#include "rules/ChessTypes.h"

#include <cstdint>
#include <string>

class CChessBoard;

struct FenSquare {
  int32_t row;
  int32_t column;
};

extern const char *const kStartFen;

// Sets up `board` from `fen` (screen positions recomputed, marks untouched) and stores the side to
// move. On a malformed text returns false, leaves the board empty and, when `error` is given,
// stores a short reason.
bool ParseFen(const std::string &fen, CChessBoard &board, Side &sideToMove, std::string *error = nullptr);

// The position as FEN (half-move and move counters written as 0 1).
std::string ToFen(const CChessBoard &board, Side sideToMove);

// "e2" for (6, 3); an empty string off the board.
std::string SquareName(int32_t row, int32_t column);
// Reads "e2"; false when the text is not a square.
bool ParseSquareName(const std::string &text, FenSquare &square);
