// The board: 64 squares with their screen positions, the pieces standing on them (owned), the
// step and knight offset tables that move generation reads, and the record of the pawn that last
// advanced two squares. The same object is drawn by the scenes and clicked on by the players.
#pragma once

#include "rules/ChessTypes.h"

#include <cstdint>

class CPiece;

struct CBoardSquare {
  // Where the square's tile is drawn.
  int32_t screenX = 0;
  int32_t screenY = 0;
  // The piece standing here, owned by the board, or null.
  CPiece *piece = nullptr;
  // 1 when drawn with the selected-tile overlay.
  uint8_t marked = 0;
};

class CChessBoard {
public:
  CChessBoard();
  ~CChessBoard();
  CChessBoard(const CChessBoard &) = delete;
  CChessBoard &operator=(const CChessBoard &) = delete;

  // Deletes every piece, recomputes the squares' screen positions and sets up the 32 pieces. The
  // near side (rows 6 and 7) advances toward row 0; `whiteNear` puts White there.
  void SetUpStartingPosition(bool whiteNear);
  // Deletes every piece, empties every square and recomputes the squares' screen positions.
  void RemoveAllPieces();
  // Deletes the piece on the square, if any, and empties it: how a captured piece leaves the game.
  void ClearSquare(int32_t row, int32_t column);
  // Moves every square and piece on screen; the origin stays.
  bool ShiftOnScreen(int32_t dx, int32_t dy);
  static bool IsOnBoard(int32_t row, int32_t column) { return IsOnBoardSquare(row, column); }
  bool HoldsPieceOfSide(int32_t row, int32_t column, Side side) const;

  // --- Helpers built on the operations above ------------------------------------------------
  CBoardSquare &Square(int32_t row, int32_t column) { return squares[SquareIndex(row, column)]; }
  const CBoardSquare &Square(int32_t row, int32_t column) const { return squares[SquareIndex(row, column)]; }
  // The piece on a square; null for an empty square or one off the board.
  CPiece *PieceAt(int32_t row, int32_t column) const;
  // On the board and empty.
  bool IsEmpty(int32_t row, int32_t column) const;
  // On the board and either empty or holding a piece of the other side.
  bool CanEnter(int32_t row, int32_t column, Side side) const;

  // Puts a piece (taking ownership) on a square at rest, deleting whatever stood there.
  void PlacePiece(int32_t row, int32_t column, CPiece *piece);
  // Empties a square without deleting its piece; returns the piece, whose ownership passes to the
  // caller.
  CPiece *TakePiece(int32_t row, int32_t column);
  // Moves the piece on `from` to `to` and sets it at rest there; a piece standing on `to` is
  // deleted (captured). Nothing happens when `from` is empty.
  void MovePiece(int32_t fromRow, int32_t fromCol, int32_t toRow, int32_t toCol);
  // Sets a piece's screen position to the anchor of the given square.
  void SetAnchor(CPiece &piece, int32_t row, int32_t column) const;
  // Screen position of the square's tile, from the origin.
  void ComputeScreenPositions();

  int32_t originX = 0;
  int32_t originY = 0;
  CBoardSquare squares[kSquareCount];
  Offset stepTable[kStepCodeCount];
  Offset knightTable[kStepCodeCount];
  int32_t passedPawnCol = kNoSquare;
  int32_t passedPawnRow = kNoSquare;

private:
  void DeleteAllPieces();
};
