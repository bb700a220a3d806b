// Counting of legal move sequences under this game's rules, the standard check of a move generator:
// legality by the tentative-move check test, castling brings its rook, no capture in passing, and a
// pawn on its last row stays a pawn.
#pragma once

#include "rules/ChessTypes.h"

#include <cstdint>

class CChessBoard;

// The number of legal move sequences of `depth` moves from the position, `sideToMove` first. The
// board is the same when it returns.
uint64_t Perft(CChessBoard &board, Side sideToMove, int depth);
