#include "rules/CChessBoard.h"

#include "rules/CPiece.h"

#include <memory>

namespace {

// Back-row kinds from column 0 to 7; both sides have the king on column 3.
constexpr PieceKind kBackRow[kBoardSize] = {Rook, Knight, Bishop, King, Queen, Bishop, Knight, Rook};

// Tile corner of a square: the board is a diamond with (0, 0) at the left, (0, 7) at the top,
// (7, 0) at the bottom and (7, 7) at the right.
constexpr int32_t kSquareX0 = 45, kSquareXPerRow = 45, kSquareXPerColumn = 47;
constexpr int32_t kSquareY0 = 292, kSquareYPerRow = 22, kSquareYPerColumn = -23;

} // namespace

CChessBoard::CChessBoard() {
  for (int i = 0; i < kStepCodeCount; ++i) {
    stepTable[i] = kStepOffsets[i];
    knightTable[i] = kKnightOffsets[i];
  }
}

CChessBoard::~CChessBoard() { DeleteAllPieces(); }

void CChessBoard::DeleteAllPieces() {
  for (CBoardSquare &square : squares) {
    delete square.piece;
    square.piece = nullptr;
  }
}

void CChessBoard::ComputeScreenPositions() {
  for (int32_t row = 0; row < kBoardSize; ++row) {
    for (int32_t column = 0; column < kBoardSize; ++column) {
      CBoardSquare &square = Square(row, column);
      square.screenX = originX + kSquareX0 + kSquareXPerRow * row + kSquareXPerColumn * column;
      square.screenY = originY + kSquareY0 + kSquareYPerRow * row + kSquareYPerColumn * column;
    }
  }
}

void CChessBoard::SetUpStartingPosition(bool whiteNear) {
  RemoveAllPieces();
  const Side nearSide = whiteNear ? White : Black;
  const Side farSide = Opponent(nearSide);
  struct RowSetUp {
    int32_t row;
    Side side;
    uint8_t direction;
    bool pawns;
  };
  const RowSetUp rows[] = {
      {0, farSide, kTowardRow7, false},
      {1, farSide, kTowardRow7, true},
      {6, nearSide, kTowardRow0, true},
      {7, nearSide, kTowardRow0, false},
  };
  for (const RowSetUp &r : rows) {
    for (int32_t column = 0; column < kBoardSize; ++column) {
      std::unique_ptr<CPiece> piece = CreatePiece(r.pawns ? Pawn : kBackRow[column]);
      piece->side = r.side;
      piece->direction = r.direction;
      PlacePiece(r.row, column, piece.release());
    }
  }
}

void CChessBoard::RemoveAllPieces() {
  DeleteAllPieces();
  ComputeScreenPositions();
}

void CChessBoard::ClearSquare(int32_t row, int32_t column) {
  if (!IsOnBoard(row, column)) return;
  CBoardSquare &square = Square(row, column);
  delete square.piece;
  square.piece = nullptr;
}

bool CChessBoard::ShiftOnScreen(int32_t dx, int32_t dy) {
  for (CBoardSquare &square : squares) {
    square.screenX += dx;
    square.screenY += dy;
    if (square.piece) {
      square.piece->screenX += dx;
      square.piece->screenY += dy;
    }
  }
  return true;
}

bool CChessBoard::HoldsPieceOfSide(int32_t row, int32_t column, Side side) const {
  const CPiece *piece = PieceAt(row, column);
  return piece && piece->side == side;
}

CPiece *CChessBoard::PieceAt(int32_t row, int32_t column) const {
  return IsOnBoard(row, column) ? Square(row, column).piece : nullptr;
}

bool CChessBoard::IsEmpty(int32_t row, int32_t column) const {
  return IsOnBoard(row, column) && !Square(row, column).piece;
}

bool CChessBoard::CanEnter(int32_t row, int32_t column, Side side) const {
  if (!IsOnBoard(row, column)) return false;
  const CPiece *piece = Square(row, column).piece;
  return !piece || piece->side != side;
}

void CChessBoard::PlacePiece(int32_t row, int32_t column, CPiece *piece) {
  if (!IsOnBoard(row, column)) {
    delete piece;
    return;
  }
  CBoardSquare &square = Square(row, column);
  if (square.piece != piece) delete square.piece;
  square.piece = piece;
  if (piece) SetAnchor(*piece, row, column);
}

CPiece *CChessBoard::TakePiece(int32_t row, int32_t column) {
  if (!IsOnBoard(row, column)) return nullptr;
  CBoardSquare &square = Square(row, column);
  CPiece *piece = square.piece;
  square.piece = nullptr;
  return piece;
}

void CChessBoard::MovePiece(int32_t fromRow, int32_t fromCol, int32_t toRow, int32_t toCol) {
  if (!IsOnBoard(toRow, toCol) || (fromRow == toRow && fromCol == toCol)) return;
  CPiece *piece = TakePiece(fromRow, fromCol);
  if (piece) PlacePiece(toRow, toCol, piece);
}

void CChessBoard::SetAnchor(CPiece &piece, int32_t row, int32_t column) const {
  const CBoardSquare &square = Square(row, column);
  piece.screenX = square.screenX + kPieceAnchorDx;
  piece.screenY = square.screenY + kPieceAnchorDy;
}
