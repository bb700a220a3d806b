#include "players/CSearchPosition.h"

#include <initializer_list>

namespace {

constexpr uint64_t Bit(int square) { return uint64_t{1} << square; }
inline int LowestSquare(uint64_t set) { return __builtin_ctzll(set); }
inline int HighestSquare(uint64_t set) { return 63 - __builtin_clzll(set); }

// Precomputed masks, indexed by square (row * 8 + column).
struct Tables {
  uint64_t knight[kSquareCount] = {};
  uint64_t king[kSquareCount] = {};
  // Squares along step code d from a square, nearest first, not including the square itself.
  uint64_t ray[kStepCodeCount][kSquareCount] = {};
  // Squares from which a pawn advancing toward row 0 (index 0) or row 7 (index 1) captures onto a
  // square.
  uint64_t pawnCapturers[2][kSquareCount] = {};
  // Squares a pawn on a square captures onto, by its direction.
  uint64_t pawnCaptures[2][kSquareCount] = {};
  uint64_t pieceKeys[CSearchPosition::kCodeCount][kSquareCount] = {};
  uint64_t sideToMove[2] = {};
  uint64_t computerSide[2] = {};
  int8_t codeKind[CSearchPosition::kCodeCount] = {};
  int8_t codeSide[CSearchPosition::kCodeCount] = {};

  Tables() {
    for (int r = 0; r < kBoardSize; ++r) {
      for (int c = 0; c < kBoardSize; ++c) {
        const int sq = SquareIndex(r, c);
        for (int i = 0; i < kStepCodeCount; ++i) {
          const Offset k = kKnightOffsets[i];
          if (IsOnBoardSquare(r + k.row, c + k.column))
            knight[sq] |= Bit(SquareIndex(r + k.row, c + k.column));
          const Offset s = kStepOffsets[i];
          if (IsOnBoardSquare(r + s.row, c + s.column)) king[sq] |= Bit(SquareIndex(r + s.row, c + s.column));
          for (int n = 1; IsOnBoardSquare(r + s.row * n, c + s.column * n); ++n)
            ray[i][sq] |= Bit(SquareIndex(r + s.row * n, c + s.column * n));
        }
        // A pawn toward row 0 on (r, c) captures onto (r - 1, c - 1) and (r - 1, c + 1); toward
        // row 7 onto (r + 1, c - 1) and (r + 1, c + 1).
        for (int dir = 0; dir < 2; ++dir) {
          const int dr = dir == 0 ? -1 : +1;
          for (const int dc : {-1, +1}) {
            if (!IsOnBoardSquare(r + dr, c + dc)) continue;
            const int target = SquareIndex(r + dr, c + dc);
            pawnCaptures[dir][sq] |= Bit(target);
            pawnCapturers[dir][target] |= Bit(sq);
          }
        }
      }
    }
    // Fixed keys, the same on every run (splitmix64).
    uint64_t seed = 0x52617665'6c6d6172ull;
    auto next = [&seed]() {
      uint64_t z = (seed += 0x9e3779b97f4a7c15ull);
      z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
      z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
      return z ^ (z >> 31);
    };
    for (auto &codeKeys : pieceKeys) {
      for (uint64_t &k : codeKeys)
        k = next();
    }
    for (int code = 0; code < kSquareCount; ++code)
      pieceKeys[0][code] = 0; // an empty square adds nothing
    for (int s = 0; s < 2; ++s) {
      sideToMove[s] = next();
      computerSide[s] = next();
    }
    codeKind[0] = -1;
    codeSide[0] = -1;
    for (int code = 1; code < CSearchPosition::kCodeCount; ++code) {
      codeKind[code] = static_cast<int8_t>((code - 1) % 7);
      codeSide[code] = static_cast<int8_t>(((code - 1) / 7) % 2);
    }
  }
};

const Tables kTables;

// Step codes whose square index grows along the ray: the nearest blocker is the lowest set bit.
constexpr bool kRayGrows[kStepCodeCount] = {false, true, true, true, true, false, false, false};
constexpr int kOrthogonal[] = {1, 3, 5, 7};
constexpr int kDiagonal[] = {0, 2, 4, 6};

inline int NearestOnRay(int code, uint64_t blockers) {
  return kRayGrows[code] ? LowestSquare(blockers) : HighestSquare(blockers);
}

inline uint64_t RayAttacks(int code, int square, uint64_t occupied) {
  uint64_t ray = kTables.ray[code][square];
  const uint64_t blockers = ray & occupied;
  if (blockers) ray ^= kTables.ray[code][NearestOnRay(code, blockers)];
  return ray;
}

int32_t KindValue(int kind) { return kind >= King && kind <= Pawn ? kMaterialValue[kind] : 0; }

} // namespace

int CSearchPosition::CodeKind(int code) { return kTables.codeKind[code]; }
int CSearchPosition::CodeSide(int code) { return kTables.codeSide[code]; }
int CSearchPosition::MakeCode(int kind, int side, bool neverMoved, bool towardRow7) {
  return 1 + kind + 7 * (side + 2 * ((neverMoved ? 1 : 0) + 2 * (towardRow7 ? 1 : 0)));
}
uint64_t CSearchPosition::PieceKey(int code, int square) { return kTables.pieceKeys[code][square]; }
uint64_t CSearchPosition::SideToMoveKey(int side) { return kTables.sideToMove[side]; }
uint64_t CSearchPosition::ComputerSideKey(int side) { return kTables.computerSide[side]; }

int CSearchPosition::SideOf(int square) const { return kTables.codeSide[board[square]]; }
int CSearchPosition::KindOf(int square) const { return kTables.codeKind[board[square]]; }

void CSearchPosition::Put(int code, int square) {
  const uint64_t bit = Bit(square);
  const int code0 = code - 1;
  const int kind = code0 % 7;
  const int side = (code0 / 7) % 2;
  board[square] = static_cast<uint8_t>(code);
  bySide[side] |= bit;
  kinds[kind] |= bit;
  if ((code0 / 14) % 2) neverMovedMask |= bit;
  if (code0 / 28) towardRow7Mask |= bit;
  material[side] += KindValue(kind);
  key ^= kTables.pieceKeys[code][square];
}

void CSearchPosition::Remove(int code, int square) {
  const uint64_t bit = Bit(square);
  const int kind = kTables.codeKind[code];
  const int side = kTables.codeSide[code];
  board[square] = 0;
  bySide[side] &= ~bit;
  kinds[kind] &= ~bit;
  neverMovedMask &= ~bit;
  towardRow7Mask &= ~bit;
  material[side] -= KindValue(kind);
  key ^= kTables.pieceKeys[code][square];
}

void CSearchPosition::Load(const CSearchBoard &source) {
  *this = CSearchPosition();
  for (int square = 0; square < kSquareCount; ++square) {
    const SearchSquare &s = source.squares[square];
    if (s.kind == kEmptySearchSquare) continue;
    const int kind = s.kind <= Pawn ? s.kind : kInert;
    const int side = s.side == White ? White : Black;
    Put(MakeCode(kind, side, s.neverMoved == 1, s.direction != kTowardRow0), square);
  }
}

void CSearchPosition::Make(int from, int to, Undo &undo) {
  const int moved = board[from];
  const int captured = board[to];
  undo.from = static_cast<uint8_t>(from);
  undo.to = static_cast<uint8_t>(to);
  undo.moved = static_cast<uint8_t>(moved);
  undo.captured = static_cast<uint8_t>(captured);
  if (captured) Remove(captured, to);
  // The moving piece changes squares only: its material stays, its marks travel with it.
  const uint64_t fromTo = Bit(from) | Bit(to);
  bySide[kTables.codeSide[moved]] ^= fromTo;
  kinds[kTables.codeKind[moved]] ^= fromTo;
  if (neverMovedMask & Bit(from)) neverMovedMask ^= fromTo;
  if (towardRow7Mask & Bit(from)) towardRow7Mask ^= fromTo;
  board[to] = static_cast<uint8_t>(moved);
  board[from] = 0;
  key ^= kTables.pieceKeys[moved][from] ^ kTables.pieceKeys[moved][to];
}

void CSearchPosition::Unmake(const Undo &undo) {
  const int from = undo.from, to = undo.to, moved = undo.moved;
  const uint64_t fromTo = Bit(from) | Bit(to);
  bySide[kTables.codeSide[moved]] ^= fromTo;
  kinds[kTables.codeKind[moved]] ^= fromTo;
  if (neverMovedMask & Bit(to)) neverMovedMask ^= fromTo;
  if (towardRow7Mask & Bit(to)) towardRow7Mask ^= fromTo;
  board[from] = static_cast<uint8_t>(moved);
  board[to] = 0;
  key ^= kTables.pieceKeys[moved][from] ^ kTables.pieceKeys[moved][to];
  if (undo.captured) Put(undo.captured, to);
}

int CSearchPosition::KingSquare(int side) const {
  const uint64_t kings = kinds[King] & bySide[side];
  return kings ? HighestSquare(kings) : 0;
}

bool CSearchPosition::Attacked(int square, int by) const {
  const int target = board[square];
  // Nothing moves onto a piece of its own side; a pawn advances only onto an empty square and
  // captures only a piece.
  if (target && kTables.codeSide[target] == by) return false;
  const uint64_t them = bySide[by];
  if (kTables.knight[square] & them & kinds[Knight]) return true;
  if (kTables.king[square] & them & kinds[King]) return true;

  const uint64_t occupied = Occupied();
  const uint64_t orthogonal = them & (kinds[Rook] | kinds[Queen]);
  if (orthogonal) {
    for (const int code : kOrthogonal) {
      const uint64_t ray = kTables.ray[code][square];
      if (!(ray & orthogonal)) continue;
      if (orthogonal & Bit(NearestOnRay(code, ray & occupied))) return true;
    }
  }
  const uint64_t diagonal = them & (kinds[Bishop] | kinds[Queen]);
  if (diagonal) {
    for (const int code : kDiagonal) {
      const uint64_t ray = kTables.ray[code][square];
      if (!(ray & diagonal)) continue;
      if (diagonal & Bit(NearestOnRay(code, ray & occupied))) return true;
    }
  }

  const uint64_t pawns = them & kinds[Pawn];
  if (!pawns) return false;
  const uint64_t towardRow0 = pawns & ~towardRow7Mask;
  const uint64_t towardRow7 = pawns & towardRow7Mask;
  if (target) {
    return (kTables.pawnCapturers[0][square] & towardRow0) || (kTables.pawnCapturers[1][square] & towardRow7);
  }
  // An empty square is reached by a pawn's advance: one square, or two over an empty square when
  // the pawn has never moved.
  const int row = square / kBoardSize;
  if (row <= 6) {
    if (towardRow0 & Bit(square + 8)) return true;
    if (row <= 5 && !board[square + 8] && (towardRow0 & neverMovedMask & Bit(square + 16))) return true;
  }
  if (row >= 1) {
    if (towardRow7 & Bit(square - 8)) return true;
    if (row >= 2 && !board[square - 8] && (towardRow7 & neverMovedMask & Bit(square - 16))) return true;
  }
  return false;
}

uint64_t CSearchPosition::Targets(int from) const {
  const int code = board[from];
  if (!code) return 0;
  const int kind = kTables.codeKind[code];
  const int side = kTables.codeSide[code];
  const uint64_t own = bySide[side];
  const uint64_t occupied = Occupied();
  switch (kind) {
  case King:
    return kTables.king[from] & ~own;
  case Knight:
    return kTables.knight[from] & ~own;
  case Queen:
  case Rook:
  case Bishop: {
    uint64_t targets = 0;
    for (int d = 0; d < kStepCodeCount; ++d) {
      const bool orthogonal = d % 2 == 1;
      if ((kind == Rook && !orthogonal) || (kind == Bishop && orthogonal)) continue;
      targets |= RayAttacks(d, from, occupied);
    }
    return targets & ~own;
  }
  case Pawn: {
    const int dir = (towardRow7Mask & Bit(from)) ? 1 : 0;
    const int row = from / kBoardSize;
    uint64_t targets = kTables.pawnCaptures[dir][from] & bySide[side ^ 1];
    const int step = dir == 0 ? -8 : +8;
    const bool oneOnBoard = dir == 0 ? row >= 1 : row <= 6;
    if (oneOnBoard && !board[from + step]) {
      targets |= Bit(from + step);
      const bool twoOnBoard = dir == 0 ? row >= 2 : row <= 5;
      if (twoOnBoard && (neverMovedMask & Bit(from)) && !board[from + 2 * step])
        targets |= Bit(from + 2 * step);
    }
    return targets;
  }
  default:
    return 0;
  }
}

bool CSearchPosition::HasLegalMove(int side) {
  // Kings first: when a side is in check a king step is the likeliest way out.
  const uint64_t kings = bySide[side] & kinds[King];
  for (const uint64_t group : {kings, bySide[side] & ~kings}) {
    for (uint64_t pieces = group; pieces; pieces &= pieces - 1) {
      const int from = LowestSquare(pieces);
      for (uint64_t targets = Targets(from); targets; targets &= targets - 1) {
        Undo undo;
        Make(from, LowestSquare(targets), undo);
        const bool safe = !InCheck(side);
        Unmake(undo);
        if (safe) return true;
      }
    }
  }
  return false;
}

bool CSearchPosition::Mated(int side, bool inCheck) {
  if (!inCheck && !OnlyKings(side)) return false;
  return !HasLegalMove(side);
}

int32_t CSearchPosition::Evaluate(int side) {
  const bool whiteInCheck = InCheck(White);
  const bool blackInCheck = InCheck(Black);
  int32_t white = material[White];
  int32_t black = material[Black];
  if (blackInCheck) white += kCheckBonus;
  if (Mated(Black, blackInCheck)) white += kMateBonus;
  if (whiteInCheck) black += kCheckBonus;
  if (Mated(White, whiteInCheck)) black += kMateBonus;
  return side == White ? white - black : black - white;
}
