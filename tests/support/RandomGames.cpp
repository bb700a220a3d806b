#include "RandomGames.h"

#include "TestPositions.h"
#include "rules/CChessBoard.h"
#include "rules/CPiece.h"
#include "rules/CheckRules.h"
#include "rules/Fen.h"

#include <random>

namespace {

struct Choice {
  int32_t row, column;
  CMovePath path;
};

void Play(CChessBoard &board, const Choice &choice, std::mt19937 &rng) {
  const CMovePath &path = choice.path;
  CPiece *piece = board.PieceAt(choice.row, choice.column);
  piece->neverMoved = 0;
  board.MovePiece(choice.row, choice.column, path.destRow, path.destCol);
  if (path.castling == 1) {
    const bool towardColumn7 = choice.column < path.destCol;
    board.MovePiece(path.destRow, towardColumn7 ? 7 : 0, path.destRow,
                    towardColumn7 ? path.destCol - 1 : path.destCol + 1);
  }
  const int32_t lastRow = piece->direction == kTowardRow0 ? 0 : 7;
  if (piece->kind == Pawn && path.destRow == lastRow) {
    constexpr PieceKind kPromotions[] = {Queen, Queen, Rook, Bishop, Knight};
    std::unique_ptr<CPiece> promoted = CreatePiece(kPromotions[rng() % 5]);
    promoted->side = piece->side;
    promoted->direction = piece->direction;
    promoted->neverMoved = 0;
    board.PlacePiece(path.destRow, path.destCol, promoted.release());
  }
}

} // namespace

std::vector<RandomPosition> RandomGamePositions(uint32_t seed, int count, int maxPlies) {
  std::mt19937 rng(seed);
  std::vector<RandomPosition> positions;
  CMoveList moves;
  for (int game = 0; game < count; ++game) {
    Side side = White;
    auto board = BoardFromFen(kStartFen, &side);
    const int plies = 4 + static_cast<int>(rng() % static_cast<uint32_t>(maxPlies - 3));
    for (int ply = 0; ply < plies; ++ply) {
      std::vector<Choice> legal;
      for (int32_t r = 0; r < kBoardSize; ++r) {
        for (int32_t c = 0; c < kBoardSize; ++c) {
          CPiece *piece = board->PieceAt(r, c);
          if (!piece || piece->side != side) continue;
          piece->GenerateMoves(*board, moves);
          for (const CMovePath &path : moves) {
            if (LeavesKingSafe(*board, r, c, path.destRow, path.destCol, side)) legal.push_back({r, c, path});
          }
        }
      }
      if (legal.empty()) break;
      Play(*board, legal[rng() % legal.size()], rng);
      side = Opponent(side);
    }
    positions.push_back({ToFen(*board, side), side});
  }
  return positions;
}

CSearchBoard ScatteredSearchBoard(uint32_t seed, int pieces) {
  std::mt19937 rng(seed);
  CSearchBoard board;
  for (int placed = 0; placed < pieces && placed < kSquareCount;) {
    SearchSquare &square = board.squares[rng() % kSquareCount];
    if (square.kind != kEmptySearchSquare) continue;
    // Kings a little rarer than the rest, so that boards with none or one are common.
    const uint32_t roll = rng() % 13;
    square.kind = static_cast<uint8_t>(roll == 0 ? 0u : 1 + roll % 5);
    square.side = static_cast<uint8_t>(rng() % 2);
    square.neverMoved = static_cast<uint8_t>(rng() % 2);
    square.direction = static_cast<uint8_t>(rng() % 2);
    ++placed;
  }
  return board;
}
