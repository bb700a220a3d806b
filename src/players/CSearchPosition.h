// A search board as the search works on it: bitboards by side and kind plus a square table, the
// material of each side and a hash key kept up to date by make/unmake, and attack tests made from
// the attacked square outward. Every answer (destinations, check, mate, evaluation) is the one the
// search board's own generator and tests give; only the way of finding it differs.
#pragma once

#include "players/CSearchBoard.h"

#include <cstdint>

class CSearchPosition {
public:
  // Kinds 0..5 are the PieceKinds; a square whose kind byte is anything else holds an inert piece
  // of that side: it blocks, can be captured, is worth nothing and never moves.
  static constexpr int kInert = 6;
  static constexpr int kKindCount = 7;
  // Piece codes: 0 for an empty square, else 1 + kind + 7 * (side + 2 * (neverMoved + 2 * towardRow7)).
  static constexpr int kCodeCount = 57;
  static constexpr int kNoSquareIndex = 64;

  struct Undo {
    uint8_t from;
    uint8_t to;
    uint8_t moved;
    uint8_t captured;
  };

  // Takes the position of a search board. A side byte other than White counts as Black; the
  // never-moved mark counts when it is 1 and a pawn advances toward row 0 when its direction is 0,
  // exactly as the generator reads them.
  void Load(const CSearchBoard &board);

  // Moves the piece on `from` to `to`, overwriting whatever stood there (never-moved mark and
  // direction travel with it), and takes it back.
  void Make(int from, int to, Undo &undo);
  void Unmake(const Undo &undo);

  // True when some piece of side `by` has `square` among its destinations.
  bool Attacked(int square, int by) const;
  // The square of the side's king: the last one in a row-major scan, or 0 (row 0, column 0).
  int KingSquare(int side) const;
  bool InCheck(int side) const { return Attacked(KingSquare(side), side ^ 1); }
  // The side has no piece other than kings (or none at all).
  bool OnlyKings(int side) const { return (bySide[side] & ~kinds[King]) == 0; }
  // Some move of `side` leaves its king unattacked.
  bool HasLegalMove(int side);
  // Beaten: in check or reduced to its king, with no legal move. `inCheck` is InCheck(side).
  bool Mated(int side, bool inCheck);
  bool Mated(int side) { return Mated(side, InCheck(side)); }
  // Material and the check and mate bonuses, from `side`'s point of view.
  int32_t Evaluate(int side);

  // Destinations of the piece on `from` (none for an empty square or an inert piece).
  uint64_t Targets(int from) const;

  uint64_t Occupied() const { return bySide[0] | bySide[1]; }
  int SideOf(int square) const;
  int KindOf(int square) const;

  // Hash of the pieces (every code on every square); the search adds the side to move.
  uint64_t key = 0;
  int32_t material[2] = {};
  uint8_t board[kSquareCount] = {};
  uint64_t bySide[2] = {};
  uint64_t kinds[kKindCount] = {};
  uint64_t neverMovedMask = 0; // pieces whose never-moved mark is 1
  uint64_t towardRow7Mask = 0; // pieces whose pawns would advance toward row 7

  // The hash of a code on a square, and the extra keys of the search's own state.
  static uint64_t PieceKey(int code, int square);
  static uint64_t SideToMoveKey(int side);
  static uint64_t ComputerSideKey(int side);

  static int CodeKind(int code);
  static int CodeSide(int code);
  static int MakeCode(int kind, int side, bool neverMoved, bool towardRow7);

private:
  void Put(int code, int square);
  void Remove(int code, int square);
};
