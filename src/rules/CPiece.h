// A chess piece on a CChessBoard, one subclass per kind. A subclass only knows how its kind moves;
// all state lives in CPiece, so any piece can be handled through a CPiece pointer.
#pragma once

#include "rules/CMoveList.h"
#include "rules/ChessTypes.h"

#include <cstdint>
#include <memory>

class CChessBoard;

class CPiece {
public:
  virtual ~CPiece() = default;

  // Stores the square this piece stands on (row-major scan) in `row` and `column`; a piece that is
  // not on the board keeps its old values.
  void Locate(const CChessBoard &board);

  // Fills `list` (emptied first) with this piece's moves in generation order, after refreshing
  // `row` and `column`. The moves respect edges, blockers and captures but not the own king's
  // safety, which the callers test.
  virtual void GenerateMoves(const CChessBoard &board, CMoveList &list) = 0;
  // The same, as a new list owned by the caller.
  std::unique_ptr<CMoveList> GenerateMoves(const CChessBoard &board);

  // Where the piece's bitmap is drawn: the square's anchor at rest, in between while sliding.
  int32_t screenX = 0;
  int32_t screenY = 0;
  Side side = White;
  PieceKind kind;
  uint8_t direction = kTowardRow0;
  uint8_t neverMoved = 1;
  int32_t column = 0;
  int32_t row = 0;

protected:
  explicit CPiece(PieceKind k) : kind(k) {}
  // Adds the slides of a queen, rook or bishop along the given step codes, nearest first.
  void GenerateSlides(const CChessBoard &board, CMoveList &list, const int *codes, int codeCount) const;
};

// Creates a piece of the given kind (side White, direction 0, never moved).
std::unique_ptr<CPiece> CreatePiece(PieceKind kind);

class CKing : public CPiece {
public:
  CKing() : CPiece(King) {}
  using CPiece::GenerateMoves;
  void GenerateMoves(const CChessBoard &board, CMoveList &list) override;
};

class CQueen : public CPiece {
public:
  CQueen() : CPiece(Queen) {}
  using CPiece::GenerateMoves;
  void GenerateMoves(const CChessBoard &board, CMoveList &list) override;
};

class CRook : public CPiece {
public:
  CRook() : CPiece(Rook) {}
  using CPiece::GenerateMoves;
  void GenerateMoves(const CChessBoard &board, CMoveList &list) override;
};

class CBishop : public CPiece {
public:
  CBishop() : CPiece(Bishop) {}
  using CPiece::GenerateMoves;
  void GenerateMoves(const CChessBoard &board, CMoveList &list) override;
};

class CKnight : public CPiece {
public:
  CKnight() : CPiece(Knight) {}
  using CPiece::GenerateMoves;
  void GenerateMoves(const CChessBoard &board, CMoveList &list) override;
};

class CPawn : public CPiece {
public:
  CPawn() : CPiece(Pawn) {}
  using CPiece::GenerateMoves;
  void GenerateMoves(const CChessBoard &board, CMoveList &list) override;
};
