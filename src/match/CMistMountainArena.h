// Mist Mountain: glass tiles on a mountain top, with a layer of cloud drifting right over the whole
// display, and the wind heard at most once every two minutes of the program's run.
#pragma once

#include "match/CArena.h"

class CMistMountainArena : public CArena {
public:
  CMistMountainArena();

  bool Load(CDirectGraphics8 *graphics, CDirectAudio8 *audio) override;
  bool Draw(CDirectGraphics8 *graphics, CDirectAudio8 *audio, CMouse *mouse, CKeyboard *keyboard,
            CChessBoard *board) override;
  void Release() override;

private:
  std::unique_ptr<CSprite> scenery;
  std::unique_ptr<CSprite> clouds;
  // The clouds' picture is stretched to 2800 pixels across and slides from x = -2000 to x = 0 at
  // `cloudSpeed` pixels per second from `cloudStartTime`, then starts over.
  float cloudOffset = 1.0f;
  float cloudSpeed = 1.0f;
  uint32_t cloudStartTime;
};
