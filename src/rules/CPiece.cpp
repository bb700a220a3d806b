#include "rules/CPiece.h"

#include "rules/CChessBoard.h"

namespace {

CMovePath PathFrom(const CPiece &piece) {
  CMovePath path;
  path.startRow = piece.row;
  path.startCol = piece.column;
  return path;
}

// A path of `count` steps of one code, its destination walked.
CMovePath RepeatedSteps(const CPiece &piece, int32_t code, int count) {
  CMovePath path = PathFrom(piece);
  for (int i = 0; i < count; ++i)
    path.AppendStep(code);
  path.Walk();
  return path;
}

constexpr int kAllCodes[] = {0, 1, 2, 3, 4, 5, 6, 7};
constexpr int kOrthogonalCodes[] = {1, 3, 5, 7};
constexpr int kDiagonalCodes[] = {0, 2, 4, 6};

} // namespace

std::unique_ptr<CPiece> CreatePiece(PieceKind kind) {
  switch (kind) {
  case King:
    return std::make_unique<CKing>();
  case Queen:
    return std::make_unique<CQueen>();
  case Rook:
    return std::make_unique<CRook>();
  case Bishop:
    return std::make_unique<CBishop>();
  case Knight:
    return std::make_unique<CKnight>();
  case Pawn:
    return std::make_unique<CPawn>();
  }
  return nullptr;
}

void CPiece::Locate(const CChessBoard &board) {
  for (int32_t r = 0; r < kBoardSize; ++r) {
    for (int32_t c = 0; c < kBoardSize; ++c) {
      if (board.Square(r, c).piece == this) {
        row = r;
        column = c;
      }
    }
  }
}

std::unique_ptr<CMoveList> CPiece::GenerateMoves(const CChessBoard &board) {
  auto list = std::make_unique<CMoveList>();
  GenerateMoves(board, *list);
  return list;
}

void CPiece::GenerateSlides(const CChessBoard &board, CMoveList &list, const int *codes,
                            int codeCount) const {
  for (int i = 0; i < codeCount; ++i) {
    const int code = codes[i];
    const Offset step = board.stepTable[code];
    for (int n = 1; n < kBoardSize; ++n) {
      const int32_t r = row + step.row * n;
      const int32_t c = column + step.column * n;
      if (!board.IsOnBoard(r, c)) break;
      const CPiece *other = board.PieceAt(r, c);
      if (other && other->side == side) break;
      list.Append(RepeatedSteps(*this, code, n));
      if (other) break;
    }
  }
}

void CKing::GenerateMoves(const CChessBoard &board, CMoveList &list) {
  list.Clear();
  Locate(board);
  for (int code = 0; code < kStepCodeCount; ++code) {
    const Offset step = board.stepTable[code];
    if (board.CanEnter(row + step.row, column + step.column, side))
      list.Append(RepeatedSteps(*this, code, 1));
  }
  if (neverMoved != 1) return;

  // Castling: the rook's side is not examined and no square is tested for attack; only the check
  // test on the final position can refuse it.
  auto unmovedRookOn = [&](int32_t c) {
    const CPiece *piece = board.PieceAt(row, c);
    return piece && piece->kind == Rook && piece->neverMoved == 1;
  };
  auto castlingTo = [&](int32_t destCol) {
    CMovePath path = PathFrom(*this);
    path.castling = 1;
    path.destRow = row;
    path.destCol = destCol;
    list.Append(path);
  };
  if (unmovedRookOn(7) && board.IsEmpty(row, column + 1) && board.IsEmpty(row, column + 2) &&
      board.IsEmpty(row, 6)) {
    castlingTo(column + 2);
  }
  if (unmovedRookOn(0) && board.IsEmpty(row, column - 1) && board.IsEmpty(row, column - 2) &&
      board.IsEmpty(row, 1)) {
    castlingTo(column - 2);
  }
}

void CQueen::GenerateMoves(const CChessBoard &board, CMoveList &list) {
  list.Clear();
  Locate(board);
  GenerateSlides(board, list, kAllCodes, 8);
}

void CRook::GenerateMoves(const CChessBoard &board, CMoveList &list) {
  list.Clear();
  Locate(board);
  GenerateSlides(board, list, kOrthogonalCodes, 4);
}

void CBishop::GenerateMoves(const CChessBoard &board, CMoveList &list) {
  list.Clear();
  Locate(board);
  GenerateSlides(board, list, kDiagonalCodes, 4);
}

void CKnight::GenerateMoves(const CChessBoard &board, CMoveList &list) {
  list.Clear();
  Locate(board);
  for (int i = 0; i < kStepCodeCount; ++i) {
    const Offset jump = board.knightTable[i];
    const int32_t r = row + jump.row;
    const int32_t c = column + jump.column;
    if (!board.CanEnter(r, c, side)) continue;
    CMovePath path = PathFrom(*this);
    path.AppendStep(i);
    path.destRow = r;
    path.destCol = c;
    list.Append(path);
  }
}

void CPawn::GenerateMoves(const CChessBoard &board, CMoveList &list) {
  list.Clear();
  Locate(board);
  const bool towardRow0 = direction == kTowardRow0;
  const int32_t forward = towardRow0 ? 7 : 3;
  const int32_t dr = towardRow0 ? -1 : +1;

  if (neverMoved == 1 && board.IsEmpty(row + dr, column) && board.IsEmpty(row + 2 * dr, column)) {
    list.Append(RepeatedSteps(*this, forward, 2));
  }
  if (board.IsEmpty(row + dr, column)) list.Append(RepeatedSteps(*this, forward, 1));

  // Captures toward column - 1, then toward column + 1. No pawn moves diagonally onto an empty
  // square: the capture of a pawn that has just advanced two squares happens during execution.
  const int32_t captureCodes[2] = {towardRow0 ? 6 : 4, towardRow0 ? 0 : 2};
  for (const int32_t code : captureCodes) {
    const Offset step = board.stepTable[code];
    const CPiece *target = board.PieceAt(row + step.row, column + step.column);
    if (target && target->side != side) list.Append(RepeatedSteps(*this, code, 1));
  }
}
