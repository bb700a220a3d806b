// The River Of Life: glass tiles on an island, the board set 60 pixels higher than elsewhere, water
// drifting left and down beneath the land, and the sound of the water, started again whenever it has
// ended (at most once a second).
#pragma once

#include "match/CArena.h"

class CRiverOfLifeArena : public CArena {
public:
  CRiverOfLifeArena();

  bool Load(CDirectGraphics8 *graphics, CDirectAudio8 *audio) override;
  bool Draw(CDirectGraphics8 *graphics, CDirectAudio8 *audio, CMouse *mouse, CKeyboard *keyboard,
            CChessBoard *board) override;
  void Release() override;

private:
  std::unique_ptr<CSprite> sand;
  std::unique_ptr<CSprite> land;
  std::unique_ptr<CSprite> water;
  // The water's picture is stretched to 2800 x 2600 and slides left and down, each at its own speed
  // in pixels per second from its start time; both start over once it has gone 1000 pixels down.
  float waterVerticalOffset = 1.0f;
  float waterVerticalSpeed = 1.0f;
  uint32_t waterVerticalStartTime;
  float waterHorizontalOffset = 1.0f;
  float waterHorizontalSpeed = 1.0f;
  uint32_t waterHorizontalStartTime;
};
