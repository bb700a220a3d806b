// A player at the mouse. While the left button is held over the board, a click on one of its own
// pieces selects that piece (its square is marked from the next frame), and a click on a square the
// selected piece can legally reach starts that move; moves that would leave the own king attacked
// are refused. The move is then carried out over the following frames.
#pragma once

#include "players/CPlayer.h"
#include "rules/CMovePath.h"

#include <cstdint>

class CHumanPlayer : public CPlayer {
public:
  CHumanPlayer(Side side, uint8_t pawnDirection, const char *name);

  // Reads the left button and the cursor from `mouse` and hands them to HandlePointer.
  bool GetMove(CChessBoard &board, CMouse &mouse) override;

  // One frame of the player's turn with the left button held (`leftDown`) or not, the cursor at
  // (x, y) in display pixels. True in the frame in which the chosen move has been carried out.
  bool HandlePointer(CChessBoard &board, bool leftDown, int32_t x, int32_t y);

  // The square under (x, y): of all squares whose hit box holds the point (strictly inside, boxes
  // overlap), the last one in row-major order. False when there is none.
  static bool HitTest(const CChessBoard &board, int32_t x, int32_t y, int32_t &row, int32_t &column);

  // The picked piece's square; (0, 0) until the first pick.
  int32_t selectedCol = 0;
  int32_t selectedRow = 0;
  CMovePath pendingMove;

private:
  void ClearMarks(CChessBoard &board) const;
};
