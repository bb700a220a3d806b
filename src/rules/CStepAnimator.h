// Slides a piece from one square to the next over several frames. The timing of each step code is
// kept for the whole program, not per move or per match: only one move is ever under way, and a
// step that is abandoned midway (a match left while a piece slides) leaves its start time behind,
// so the next step of that code in a later move arrives on its first frame.
#pragma once

#include <cstdint>

class CChessBoard;

class CStepAnimator {
public:
  // One frame of step `code` for the piece on (row, column): moves its screen position with the
  // time since the step began (1 px/ms across, 0.5 px/ms up or down) and, once it has passed the
  // next square's anchor, puts it on that square (deleting a piece captured there) and returns
  // true. Returns false while still sliding and when there is no piece to move.
  static bool Animate(CChessBoard &board, int32_t code, int32_t row, int32_t column);

  // Forgets every step under way (start times back to 0).
  static void ResetAll();

  // The start time of the step of `code` under way, 0 when none.
  static uint32_t StartTime(int32_t code);
};
