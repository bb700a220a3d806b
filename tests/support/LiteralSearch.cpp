#include "LiteralSearch.h"

#include "platform/Clock.h"

namespace literal {

namespace {

constexpr uint8_t kEmpty = kEmptySearchSquare;

SearchSquare &SquareOf(CSearchBoard &board, int32_t row, int32_t column) {
  return board.squares[row * 8 + column];
}
const SearchSquare &SquareOf(const CSearchBoard &board, int32_t row, int32_t column) {
  return board.squares[row * 8 + column];
}

bool OnBoard(int32_t row, int32_t column) { return row >= 0 && row <= 7 && column >= 0 && column <= 7; }

// Empty, or a piece of the other side.
bool CanEnter(const CSearchBoard &board, int32_t row, int32_t column, uint8_t side) {
  if (!OnBoard(row, column)) return false;
  const SearchSquare &square = SquareOf(board, row, column);
  return square.kind == kEmpty || square.side != side;
}

void Slide(const CSearchBoard &board, int32_t row, int32_t column, int code, SearchMoveList &list) {
  const uint8_t side = SquareOf(board, row, column).side;
  for (int n = 1; n <= 7; ++n) {
    const int32_t r = row + board.stepTable[code].row * n;
    const int32_t c = column + board.stepTable[code].column * n;
    if (!OnBoard(r, c)) return;
    const SearchSquare &square = SquareOf(board, r, c);
    if (square.kind == kEmpty) {
      list.Append(c, r);
      continue;
    }
    if (square.side != side) list.Append(c, r);
    return;
  }
}

// What making a move on a search board changes, so that it can be undone.
struct Made {
  int32_t fromRow, fromCol, toRow, toCol;
  SearchSquare from, to;
};

Made MakeMove(CSearchBoard &board, int32_t fromRow, int32_t fromCol, int32_t toRow, int32_t toCol) {
  Made made{fromRow, fromCol, toRow, toCol, SquareOf(board, fromRow, fromCol), SquareOf(board, toRow, toCol)};
  SquareOf(board, toRow, toCol) = made.from;
  SquareOf(board, fromRow, fromCol) = SearchSquare();
  return made;
}

void UndoMove(CSearchBoard &board, const Made &made) {
  SquareOf(board, made.fromRow, made.fromCol) = made.from;
  SquareOf(board, made.toRow, made.toCol) = made.to;
}

class Searcher {
public:
  Searcher(Side computer, int depth, uint32_t deadline)
      : S(computer), O(Opponent(computer)), searchDepth(depth), deadline(deadline) {}

  int32_t MaxValue(const CSearchBoard &B, int depth, int32_t beta) {
    ++result.nodes;
    if (depth == 0) {
      CSearchBoard copy;
      copy.CopyFrom(B);
      return literal::Evaluate(copy, S);
    }
    int32_t best = kComputerNoMoveValue;
    CSearchBoard C;
    C.CopyFrom(B);
    for (int32_t r = 0; r < 8; ++r) {
      for (int32_t c = 0; c < 8; ++c) {
        const SearchSquare &square = SquareOf(C, r, c);
        if (square.kind == kEmpty || square.side != S) continue;
        SearchMoveList list;
        literal::GenerateSearchMoves(C, r, c, list);
        for (const SearchMove &m : list) {
          const Made made = MakeMove(C, r, c, m.row, m.column);
          if (literal::SearchInCheck(C, S)) {
            UndoMove(C, made);
            continue;
          }
          const int32_t v = MinValue(C, depth - 1, best);
          if (v >= beta) {
            UndoMove(C, made);
            return v;
          }
          if (v > best) {
            best = v;
            if (depth == searchDepth) {
              result.recorded = true;
              result.startRow = r;
              result.startCol = c;
              result.destRow = m.row;
              result.destCol = m.column;
            }
          }
          UndoMove(C, made);
        }
      }
    }
    return best;
  }

  int32_t MinValue(const CSearchBoard &B, int depth, int32_t alpha) {
    ++result.nodes;
    if (depth == 0 || static_cast<int32_t>(GetTickCount() - deadline) > 0) {
      CSearchBoard copy;
      copy.CopyFrom(B);
      return literal::Evaluate(copy, S);
    }
    int32_t best = kOpponentNoMoveValue;
    CSearchBoard C;
    C.CopyFrom(B);
    for (int32_t r = 0; r < 8; ++r) {
      for (int32_t c = 0; c < 8; ++c) {
        const SearchSquare &square = SquareOf(C, r, c);
        if (square.kind == kEmpty || square.side != O) continue;
        SearchMoveList list;
        literal::GenerateSearchMoves(C, r, c, list);
        for (const SearchMove &m : list) {
          const Made made = MakeMove(C, r, c, m.row, m.column);
          if (literal::SearchInCheck(C, O)) {
            UndoMove(C, made);
            continue;
          }
          const int32_t v = MaxValue(C, depth - 1, best);
          if (v <= alpha) {
            UndoMove(C, made);
            return v;
          }
          if (v <= best) best = v;
          UndoMove(C, made);
        }
      }
    }
    return best;
  }

  const Side S, O;
  const int searchDepth;
  const uint32_t deadline;
  Result result;
};

} // namespace

void GenerateSearchMoves(const CSearchBoard &board, int32_t row, int32_t column, SearchMoveList &list) {
  list.Clear();
  const SearchSquare &piece = SquareOf(board, row, column);
  if (piece.kind == kEmpty) return;
  switch (piece.kind) {
  case King:
    for (int k = 0; k < 8; ++k) {
      const int32_t r = row + board.stepTable[k].row, c = column + board.stepTable[k].column;
      if (CanEnter(board, r, c, piece.side)) list.Append(c, r);
    }
    return;
  case Queen:
    for (int k = 0; k < 8; ++k)
      Slide(board, row, column, k, list);
    return;
  case Rook:
    for (int k = 1; k < 8; k += 2)
      Slide(board, row, column, k, list);
    return;
  case Bishop:
    for (int k = 0; k < 8; k += 2)
      Slide(board, row, column, k, list);
    return;
  case Knight:
    for (int i = 0; i < 8; ++i) {
      const int32_t r = row + board.knightTable[i].row, c = column + board.knightTable[i].column;
      if (CanEnter(board, r, c, piece.side)) list.Append(c, r);
    }
    return;
  case Pawn: {
    const int32_t delta = piece.direction == 0 ? -1 : +1;
    if (piece.neverMoved == 1 && OnBoard(row + 2 * delta, column) &&
        SquareOf(board, row + delta, column).kind == kEmpty &&
        SquareOf(board, row + 2 * delta, column).kind == kEmpty) {
      list.Append(column, row + 2 * delta);
    }
    if (OnBoard(row + delta, column) && SquareOf(board, row + delta, column).kind == kEmpty) {
      list.Append(column, row + delta);
    }
    const int32_t captureColumns[2] = {column - 1, column + 1};
    for (const int32_t c : captureColumns) {
      const int32_t r = row + delta;
      if (OnBoard(r, c) && SquareOf(board, r, c).kind != kEmpty && SquareOf(board, r, c).side != piece.side) {
        list.Append(c, r);
      }
    }
    return;
  }
  default:
    return;
  }
}

bool SearchInCheck(const CSearchBoard &board, Side side) {
  int32_t kingRow = 0, kingCol = 0;
  for (int32_t r = 0; r < 8; ++r) {
    for (int32_t c = 0; c < 8; ++c) {
      const SearchSquare &square = SquareOf(board, r, c);
      if (square.kind == King && square.side == side) {
        kingRow = r;
        kingCol = c;
      }
    }
  }
  const uint8_t opponent = side == 0;
  for (int32_t r = 0; r < 8; ++r) {
    for (int32_t c = 0; c < 8; ++c) {
      const SearchSquare &square = SquareOf(board, r, c);
      if (square.kind == kEmpty || square.side != opponent) continue;
      SearchMoveList list;
      literal::GenerateSearchMoves(board, r, c, list);
      for (const SearchMove &m : list) {
        if (m.row == kingRow && m.column == kingCol) return true;
      }
    }
  }
  return false;
}

bool SearchMated(CSearchBoard &board, Side side) {
  bool otherPiece = false;
  for (const SearchSquare &square : board.squares) {
    if (square.kind != kEmpty && square.side == side && square.kind != King) otherPiece = true;
  }
  if (otherPiece && !literal::SearchInCheck(board, side)) return false;
  for (int32_t r = 0; r < 8; ++r) {
    for (int32_t c = 0; c < 8; ++c) {
      const SearchSquare &square = SquareOf(board, r, c);
      if (square.kind == kEmpty || square.side != side) continue;
      SearchMoveList list;
      literal::GenerateSearchMoves(board, r, c, list);
      for (const SearchMove &m : list) {
        const Made made = MakeMove(board, r, c, m.row, m.column);
        const bool inCheck = literal::SearchInCheck(board, side);
        UndoMove(board, made);
        if (!inCheck) return false;
      }
    }
  }
  return true;
}

int32_t Evaluate(CSearchBoard &board, Side side) {
  int32_t w = 0;
  for (const SearchSquare &square : board.squares) {
    if (square.kind != kEmpty && square.side == White) w += kMaterialValue[square.kind];
  }
  if (literal::SearchInCheck(board, Black)) w += kCheckBonus;
  if (literal::SearchMated(board, Black)) w += kMateBonus;
  int32_t b = 0;
  for (const SearchSquare &square : board.squares) {
    if (square.kind != kEmpty && square.side == Black) b += kMaterialValue[square.kind];
  }
  if (literal::SearchInCheck(board, White)) b += kCheckBonus;
  if (literal::SearchMated(board, White)) b += kMateBonus;
  return side == White ? w - b : b - w;
}

Result Search(const CSearchBoard &board, Side computerSide, int depth, uint32_t deadline) {
  Searcher searcher(computerSide, depth, deadline);
  CSearchBoard B;
  B.CopyFrom(board);
  searcher.result.value = searcher.MaxValue(B, depth, kTopBound);
  return searcher.result;
}

Result Search(const CChessBoard &board, Side computerSide, int depth, uint32_t deadline) {
  CSearchBoard B;
  B.FillFrom(board);
  return Search(B, computerSide, depth, deadline);
}

} // namespace literal
