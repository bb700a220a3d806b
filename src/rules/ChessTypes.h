// The small value types of the chess rules: sides, piece kinds, squares and step codes.
#pragma once

#include <cstdint>

// One byte; the opponent of side s is 1 - s.
enum Side : uint8_t { White = 0, Black = 1 };

enum PieceKind : int32_t { King = 0, Queen = 1, Rook = 2, Bishop = 3, Knight = 4, Pawn = 5 };

constexpr int kBoardSize = 8;
constexpr int kSquareCount = kBoardSize * kBoardSize;
constexpr int kNoSquare = -1;

constexpr Side Opponent(Side s) { return s == White ? Black : White; }

constexpr bool IsOnBoardSquare(int row, int column) {
  return row >= 0 && row < kBoardSize && column >= 0 && column < kBoardSize;
}

// Squares are stored and scanned row-major: row 0..7, within a row column 0..7.
constexpr int SquareIndex(int row, int column) { return row * kBoardSize + column; }

// Pawn advance direction carried by every piece of a side: 0 toward row 0, 1 toward row 7.
constexpr uint8_t kTowardRow0 = 0;
constexpr uint8_t kTowardRow7 = 1;

// Step codes: the eight one-square directions of a move path, starting at (-1, +1) and turning
// toward row + 1. Odd codes are orthogonal, even codes diagonal.
constexpr int kStepCodeCount = 8;
struct Offset {
  int32_t column; // column change first, as the board's tables store it
  int32_t row;
};
constexpr Offset kStepOffsets[kStepCodeCount] = {
    {+1, -1}, {+1, 0}, {+1, +1}, {0, +1}, {-1, +1}, {-1, 0}, {-1, -1}, {0, -1},
};
constexpr Offset kKnightOffsets[kStepCodeCount] = {
    {+2, -1}, {+2, +1}, {+1, +2}, {-1, +2}, {-2, +1}, {-2, -1}, {-1, -2}, {+1, -2},
};

// stepDirection after a piece has arrived on the next square of its path.
constexpr int32_t kStepArrived = 99;

// A piece at rest is drawn this far from its square's tile corner.
constexpr int32_t kPieceAnchorDx = 12;
constexpr int32_t kPieceAnchorDy = -54;
