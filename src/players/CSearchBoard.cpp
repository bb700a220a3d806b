#include "players/CSearchBoard.h"

#include "players/CSearchPosition.h"
#include "rules/CChessBoard.h"
#include "rules/CPiece.h"

#include <initializer_list>

bool SearchMoveList::Append(int32_t column, int32_t row) {
  if (count < 0 || count >= kMaxMoves) return false;
  moves[count].column = column;
  moves[count].row = row;
  ++count;
  return true;
}

CSearchBoard::CSearchBoard() {
  for (int i = 0; i < kStepCodeCount; ++i) {
    stepTable[i] = kStepOffsets[i];
    knightTable[i] = kKnightOffsets[i];
  }
}

void CSearchBoard::FillFrom(const CChessBoard &board) {
  for (int i = 0; i < kSquareCount; ++i) {
    const CPiece *piece = board.squares[i].piece;
    if (!piece) {
      squares[i] = SearchSquare();
      continue;
    }
    squares[i].kind = static_cast<uint8_t>(piece->kind);
    squares[i].side = piece->side;
    squares[i].neverMoved = piece->neverMoved;
    squares[i].direction = piece->direction;
  }
}

void CSearchBoard::CopyFrom(const CSearchBoard &other) {
  for (int i = 0; i < kSquareCount; ++i) {
    if (other.squares[i].kind != kEmptySearchSquare) squares[i] = other.squares[i];
  }
}

bool CSearchBoard::SamePosition(const CSearchBoard &other) const {
  for (int i = 0; i < kSquareCount; ++i) {
    const SearchSquare &a = squares[i];
    const SearchSquare &b = other.squares[i];
    if (a.kind != b.kind || a.side != b.side || a.neverMoved != b.neverMoved || a.direction != b.direction)
      return false;
  }
  return true;
}

namespace {

constexpr int kAllCodes[] = {0, 1, 2, 3, 4, 5, 6, 7};
constexpr int kOrthogonalCodes[] = {1, 3, 5, 7};
constexpr int kDiagonalCodes[] = {0, 2, 4, 6};

// On the board and either empty or holding a piece of another side than `side`.
bool CanEnter(const CSearchBoard &board, int32_t row, int32_t column, uint8_t side) {
  if (!IsOnBoardSquare(row, column)) return false;
  const SearchSquare &square = board.At(row, column);
  return square.kind == kEmptySearchSquare || square.side != side;
}

bool EmptyOnBoard(const CSearchBoard &board, int32_t row, int32_t column) {
  return IsOnBoardSquare(row, column) && board.IsEmpty(row, column);
}

void Slides(const CSearchBoard &board, int32_t row, int32_t column, const int *codes, int codeCount,
            SearchMoveList &list) {
  const uint8_t side = board.At(row, column).side;
  for (int i = 0; i < codeCount; ++i) {
    const Offset step = board.stepTable[codes[i]];
    for (int n = 1; n < kBoardSize; ++n) {
      const int32_t r = row + step.row * n;
      const int32_t c = column + step.column * n;
      if (!IsOnBoardSquare(r, c)) break;
      const SearchSquare &square = board.At(r, c);
      if (square.kind != kEmptySearchSquare && square.side == side) break;
      list.Append(c, r);
      if (square.kind != kEmptySearchSquare) break;
    }
  }
}

// Single moves by each offset of a table in order (a king's steps, a knight's jumps).
void Jumps(const CSearchBoard &board, int32_t row, int32_t column, const Offset (&offsets)[kStepCodeCount],
           SearchMoveList &list) {
  const uint8_t side = board.At(row, column).side;
  for (const Offset offset : offsets) {
    if (CanEnter(board, row + offset.row, column + offset.column, side))
      list.Append(column + offset.column, row + offset.row);
  }
}

} // namespace

void GenerateSearchMoves(const CSearchBoard &board, int32_t row, int32_t column, SearchMoveList &list) {
  list.Clear();
  if (!IsOnBoardSquare(row, column)) return;
  const SearchSquare &piece = board.At(row, column);
  switch (piece.kind) {
  case King:
    Jumps(board, row, column, board.stepTable, list);
    break;
  case Queen:
    Slides(board, row, column, kAllCodes, 8, list);
    break;
  case Rook:
    Slides(board, row, column, kOrthogonalCodes, 4, list);
    break;
  case Bishop:
    Slides(board, row, column, kDiagonalCodes, 4, list);
    break;
  case Knight:
    Jumps(board, row, column, board.knightTable, list);
    break;
  case Pawn: {
    const bool towardRow0 = piece.direction == kTowardRow0;
    const int32_t dr = towardRow0 ? -1 : +1;
    if (piece.neverMoved == 1 && EmptyOnBoard(board, row + dr, column) &&
        EmptyOnBoard(board, row + 2 * dr, column)) {
      list.Append(column, row + 2 * dr);
    }
    if (EmptyOnBoard(board, row + dr, column)) list.Append(column, row + dr);
    for (const int32_t dc : {-1, +1}) {
      const int32_t r = row + dr, c = column + dc;
      if (IsOnBoardSquare(r, c) && !board.IsEmpty(r, c) && board.At(r, c).side != piece.side)
        list.Append(c, r);
    }
    break;
  }
  default:
    break;
  }
}

std::unique_ptr<SearchMoveList> GenerateSearchMoves(const CSearchBoard &board, int32_t row, int32_t column) {
  if (!IsOnBoardSquare(row, column) || board.At(row, column).kind > Pawn) return nullptr;
  auto list = std::make_unique<SearchMoveList>();
  GenerateSearchMoves(board, row, column, *list);
  return list;
}

bool SearchInCheck(const CSearchBoard &board, Side side) {
  CSearchPosition position;
  position.Load(board);
  return position.InCheck(side);
}

bool SearchMated(const CSearchBoard &board, Side side) {
  CSearchPosition position;
  position.Load(board);
  return position.Mated(side);
}

int32_t Evaluate(const CSearchBoard &board, Side side) {
  CSearchPosition position;
  position.Load(board);
  return position.Evaluate(side);
}
