#include "players/CComputerPlayer.h"

#include "platform/Clock.h"
#include "rules/CChessBoard.h"
#include "rules/CPiece.h"
#include "rules/CheckRules.h"

#include <cstdlib>
#include <initializer_list>

namespace {

// The opening moves, by r = rand() % 3: the square whose owner tells where the computer stands,
// and the move for pieces on rows 0 and 1 (advancing toward row 7) or on rows 6 and 7.
struct OpeningMove {
  int32_t lookRow, lookCol;
  bool knight;
  int32_t nearRow, farRow; // start row on rows 0/1, on rows 6/7
  int32_t column;
};
constexpr OpeningMove kOpenings[3] = {
    {1, 3, false, 1, 6, 3}, // a two-square pawn advance in column 3
    {1, 4, false, 1, 6, 4}, // a two-square pawn advance in column 4
    {0, 4, true, 0, 7, 6},  // the knight of column 6 to column 7
};
constexpr int32_t kOpeningCount = 3;

} // namespace

CComputerPlayer::CComputerPlayer(Side side, uint8_t pawnDirection, const char *name, int32_t skill)
    : CPlayer(side, pawnDirection, name, skill), searchDepth(DepthOfSkill(skill)) {}

CComputerPlayer::~CComputerPlayer() = default;

int32_t CComputerPlayer::DepthOfSkill(int32_t skill) {
  switch (skill) {
  case Disciple:
    return kDiscipleDepth;
  case Champion:
    return kChampionDepth;
  default:
    return kInitiateDepth;
  }
}

bool CComputerPlayer::GetMove(CChessBoard &board, CMouse &) {
  if (ExecuteMoveStep(pendingMove, board)) return true;
  if (movePending == 1) return false;
  ChooseMove(board);
  return false;
}

void CComputerPlayer::ChooseMove(CChessBoard &board) {
  if (openingPending == 1) {
    PlayOpeningMove(board);
  } else {
    Search(board);
  }
}

void CComputerPlayer::PlayOpeningMove(const CChessBoard &board) {
  srand(GetTickCount());
  openingPending = 0;
  const OpeningMove &opening = kOpenings[rand() % kOpeningCount];
  // The computer's pieces stand on rows 0 and 1 when the square looked at holds one of them.
  const bool onRows01 = board.HoldsPieceOfSide(opening.lookRow, opening.lookCol, side);

  pendingMove = CMovePath();
  pendingMove.startRow = onRows01 ? opening.nearRow : opening.farRow;
  pendingMove.startCol = opening.column;
  if (opening.knight) {
    pendingMove.AppendStep(onRows01 ? 3 : 7);
    pendingMove.destRow = onRows01 ? 2 : 5;
    pendingMove.destCol = 7;
  } else {
    const int32_t forward = onRows01 ? 3 : 7;
    pendingMove.AppendStep(forward);
    pendingMove.AppendStep(forward);
    pendingMove.Walk();
  }
  movePending = 1;
}

void CComputerPlayer::Search(CChessBoard &board) {
  CSearchBoard searchBoard;
  searchBoard.FillFrom(board);
  if (stuck_ && searchBoard.SamePosition(stuckPosition_)) return; // nothing has changed since
  stuck_ = false;

  if (!engine_) engine_ = std::make_unique<CSearchEngine>();
  deadline = GetTickCount() + kSearchTimeLimit;
  lastSearch_ = engine_->Search(searchBoard, side, searchDepth, deadline);

  if (lastSearch_.found && MatchPath(board, lastSearch_.startRow, lastSearch_.startCol, lastSearch_.destRow,
                                     lastSearch_.destCol)) {
    movePending = 1;
    return;
  }
  // Nothing scored above the floor (the opponent can force a position in which the computer cannot
  // move), or there is no move at all: play the first legal move, or wait for a change.
  if (FirstLegalMove(board)) {
    movePending = 1;
    return;
  }
  stuck_ = true;
  stuckPosition_ = searchBoard;
}

bool CComputerPlayer::MatchPath(CChessBoard &board, int32_t row, int32_t column, int32_t destRow,
                                int32_t destCol) {
  CPiece *piece = board.PieceAt(row, column);
  if (!piece) return false;
  CMoveList moves;
  piece->GenerateMoves(board, moves);
  bool matched = false;
  for (const CMovePath &path : moves) {
    if (path.destRow == destRow && path.destCol == destCol) {
      pendingMove.CopyFrom(path);
      matched = true;
    }
  }
  return matched;
}

bool CComputerPlayer::FirstLegalMove(CChessBoard &board) {
  // Moves the search knows first; a castling path only when it is the one legal move left.
  CMoveList moves;
  for (const bool castling : {false, true}) {
    for (int32_t r = 0; r < kBoardSize; ++r) {
      for (int32_t c = 0; c < kBoardSize; ++c) {
        CPiece *piece = board.PieceAt(r, c);
        if (!piece || piece->side != side) continue;
        piece->GenerateMoves(board, moves);
        for (const CMovePath &path : moves) {
          if ((path.castling == 1) != castling) continue;
          if (LeavesKingSafe(board, r, c, path.destRow, path.destCol, side)) {
            pendingMove.CopyFrom(path);
            return true;
          }
        }
      }
    }
  }
  return false;
}
