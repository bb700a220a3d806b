// One side of a match. The game screen asks the player to move once per frame with GetMove; the
// player carries its chosen move out over several frames with ExecuteMoveStep.
#pragma once

#include "rules/CMovePath.h"
#include "rules/ChessTypes.h"

#include <cstdint>

class CChessBoard;
class CMouse;

enum PlayerType : int32_t { Human = 0, Initiate = 1, Disciple = 2, Champion = 3 };

class CPlayer {
public:
  static constexpr int kNameSize = 32;

  virtual ~CPlayer() = default;
  CPlayer(const CPlayer &) = delete;
  CPlayer &operator=(const CPlayer &) = delete;

  // True in the frame in which this player's move has been completely carried out.
  virtual bool GetMove(CChessBoard &board, CMouse &mouse) = 0;

  // Carries out one frame's worth of the pending move `path` (set movePending to 1 after filling
  // it). Returns true in the call that completes the move, false otherwise, including when no move
  // is pending. Pieces slide a square at a time; knights jump and castling is made in one call.
  bool ExecuteMoveStep(CMovePath &path, CChessBoard &board);

  // Copies at most 31 characters of `text` into `name`; a longer name is cut, never overrun.
  void SetName(const char *text);

  char name[kNameSize] = {};
  Side side = White;
  uint8_t movePending = 0;
  int32_t stepDirection = 0;
  uint8_t openingPending = 1;
  int32_t stepIndex = 0;
  int32_t currentRow = kNoSquare;
  int32_t currentCol = kNoSquare;
  int32_t playerType = Human;
  uint8_t pawnDirection = kTowardRow0;

protected:
  CPlayer(Side s, uint8_t pawnDir, const char *playerName, int32_t type);

private:
  // Ends the move: nothing pending, no current square.
  bool FinishMove();
  // Removes a pawn that has just advanced two squares when the moving piece lands behind it.
  void CaptureInPassing(const CMovePath &path, CChessBoard &board, Side moverSide);
};
