#include "match/CDungeonArena.h"

#include "app/ArtManifest.h"
#include "platform/CDirectAudio8.h"
#include "platform/CDirectGraphics8.h"
#include "platform/Clock.h"
#include "rules/CChessBoard.h"

namespace {

constexpr int kTileAlpha = 255;
constexpr int kSelectedAlpha = 63;
constexpr int32_t kBoardShiftY = 60; // the vault's floor lies lower on the display
constexpr uint32_t kFirstScreamDelay = 4000;
constexpr uint32_t kScreamInterval = 95000;

} // namespace

bool CDungeonArena::Load(CDirectGraphics8 *graphics, CDirectAudio8 *audio) {
  Release();
  if (!graphics) return false;
  scenery = MakeSprite(graphics, art::kDungeonScreen, 255);
  LoadBoard(graphics, audio, art::kSmoothRockTile, kTileAlpha, art::kMoonRockTile, kTileAlpha, kSelectedAlpha,
            art::kSoundScream);
  firstFrame = 1;
  return true;
}

bool CDungeonArena::Draw(CDirectGraphics8 *graphics, CDirectAudio8 *audio, CMouse *, CKeyboard *,
                         CChessBoard *board) {
  if (!graphics) return false;
  ShiftBoardOnFirstDraw(board, kBoardShiftY);
  DrawAt(graphics, scenery.get(), 0, 0);

  const uint32_t now = GetTickCount();
  if (audio) {
    if (!soundTimers.scream.started) soundTimers.scream.Start(now, kFirstScreamDelay);
    if (soundTimers.scream.Due(now)) {
      audio->Play(sound.get());
      soundTimers.scream.Start(now, kScreamInterval);
    }
  }

  if (board) DrawBoard(graphics, *board);
  return true;
}

void CDungeonArena::Release() {
  scenery.reset();
  CArena::Release();
}
