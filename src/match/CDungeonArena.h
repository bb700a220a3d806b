// The Dungeon: rock tiles in a torch-lit vault, the board set 60 pixels lower than elsewhere, and a
// distant scream: the first 4 seconds after the program's first Dungeon frame, then every 95 seconds.
#pragma once

#include "match/CArena.h"

class CDungeonArena : public CArena {
public:
  bool Load(CDirectGraphics8 *graphics, CDirectAudio8 *audio) override;
  bool Draw(CDirectGraphics8 *graphics, CDirectAudio8 *audio, CMouse *mouse, CKeyboard *keyboard,
            CChessBoard *board) override;
  void Release() override;

private:
  std::unique_ptr<CSprite> scenery;
};
