#include "match/CDungeonArena.h"

#include "app/ArtManifest.h"
#include "platform/CDirectAudio8.h"
#include "platform/CDirectGraphics8.h"
#include "platform/CSprite.h"
#include "platform/Clock.h"
#include "rules/CChessBoard.h"

namespace {

constexpr int kTileAlpha = 255;
constexpr int kSelectedAlpha = 63;
constexpr int32_t kBoardShiftY = 60; // the vault's floor lies lower on the display
constexpr uint32_t kFirstScreamDelay = 4000;
constexpr uint32_t kScreamInterval = 95000;

} // namespace

CDungeonArena::~CDungeonArena() { ReleaseScenery(); }

bool CDungeonArena::Load(CDirectGraphics8 *graphics, CDirectAudio8 *audio) {
  Release();
  if (!graphics) return false;
  scenery = MakeSprite(graphics, art::kDungeonScreen.width, art::kDungeonScreen.height,
                       art::kDungeonScreen.path, 255);
  LoadBoard(graphics, audio, art::kSmoothRockTile.path, kTileAlpha, art::kMoonRockTile.path, kTileAlpha,
            kSelectedAlpha, art::kSoundScream.path);
  firstFrame = 1;
  return true;
}

bool CDungeonArena::Draw(CDirectGraphics8 *graphics, CDirectAudio8 *audio, CMouse *, CKeyboard *,
                         CChessBoard *board) {
  if (!graphics) return false;
  // The board's squares and pieces are placed by the time the first frame is drawn, new match or
  // loaded one; moving them then moves the whole board once.
  if (firstFrame == 1 && board) {
    board->ShiftOnScreen(0, kBoardShiftY);
    firstFrame = 0;
  }
  DrawAt(graphics, scenery, 0, 0);

  const uint32_t now = GetTickCount();
  if (audio) {
    if (!soundTimers.screamSet) {
      soundTimers.screamSet = true;
      soundTimers.screamFrom = now;
      soundTimers.screamWait = kFirstScreamDelay;
    }
    if (now - soundTimers.screamFrom > soundTimers.screamWait) {
      audio->Play(sound);
      soundTimers.screamFrom = now;
      soundTimers.screamWait = kScreamInterval;
    }
  }

  if (board) DrawBoard(graphics, *board);
  return true;
}

void CDungeonArena::Release() {
  ReleaseScenery();
  CArena::Release();
}

void CDungeonArena::ReleaseScenery() { DeleteSprite(scenery); }
