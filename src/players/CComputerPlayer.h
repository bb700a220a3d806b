// The computer opponent. Its first move of a new match is one of three fixed opening moves picked
// at random; every later move comes from a fixed-depth search (CSearchEngine) whose depth is set by
// the skill level, matched back to a path generated on the real board and carried out like any
// other move. When the search finds nothing worth playing it still plays its first legal move;
// when it has no legal move at all it waits, without searching again, until the position changes.
#pragma once

#include "players/CPlayer.h"
#include "players/CSearchBoard.h"
#include "players/CSearchEngine.h"
#include "rules/CMovePath.h"

#include <cstdint>
#include <memory>

// Plies searched at each skill level.
constexpr int32_t kInitiateDepth = 2;
constexpr int32_t kDiscipleDepth = 4;
constexpr int32_t kChampionDepth = 6;

class CComputerPlayer : public CPlayer {
public:
  // `skill` is Initiate, Disciple or Champion.
  CComputerPlayer(Side side, uint8_t pawnDirection, const char *name, int32_t skill);
  ~CComputerPlayer() override;

  // Carries out the pending move, or chooses one when none is pending; the computer ignores the
  // mouse.
  bool GetMove(CChessBoard &board, CMouse &mouse) override;

  // Chooses the next move: the opening move while openingPending is 1, else a search. On success
  // fills pendingMove and sets movePending to 1.
  void ChooseMove(CChessBoard &board);

  // What the last search found (its move, value and node count).
  const SearchResult &LastSearch() const { return lastSearch_; }

  // The plies searched for a skill level (Initiate 2, Disciple 4, Champion 6).
  static int32_t DepthOfSkill(int32_t skill);

  CMovePath pendingMove;
  int32_t searchDepth = kInitiateDepth;
  uint32_t deadline = 0;

private:
  void PlayOpeningMove(const CChessBoard &board);
  void Search(CChessBoard &board);
  // Fills pendingMove with the last path of the piece on (row, column) to (destRow, destCol).
  bool MatchPath(CChessBoard &board, int32_t row, int32_t column, int32_t destRow, int32_t destCol);
  // Fills pendingMove with the first legal move in board order (castling only when nothing else
  // is legal); false when there is none.
  bool FirstLegalMove(CChessBoard &board);

  std::unique_ptr<CSearchEngine> engine_;
  SearchResult lastSearch_;
  // The position in which the computer found it had no legal move, so that it waits without
  // searching again until the position changes.
  bool stuck_ = false;
  CSearchBoard stuckPosition_;
};
