// Positions reached by random legal games from the starting position, for tests that compare two
// ways of computing the same thing over many varied positions. The same seed gives the same
// positions on every machine.
#pragma once

#include "players/CSearchBoard.h"
#include "rules/ChessTypes.h"

#include <cstdint>
#include <string>
#include <vector>

struct RandomPosition {
  std::string fen;
  Side sideToMove;
};

// `count` positions, each the end of a random game of 4 to `maxPlies` plies (shorter when a side
// has no legal move). Moves are drawn uniformly among the legal ones; castling brings its rook and
// a pawn reaching its last row becomes a queen, rook, bishop or knight.
std::vector<RandomPosition> RandomGamePositions(uint32_t seed, int count, int maxPlies);

// A search board with `pieces` pieces scattered at random, every byte drawn at random too: any
// kind, either side, either never-moved mark, either pawn direction, any number of kings (none
// included). No game reaches such boards, but the search's rules are defined on every board, and
// these reach the corners of its check test (no king, pawns advancing onto an empty king square,
// pawns of one side going both ways).
CSearchBoard ScatteredSearchBoard(uint32_t seed, int pieces);
