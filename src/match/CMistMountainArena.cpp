#include "match/CMistMountainArena.h"

#include "app/ArtManifest.h"
#include "platform/CDirectAudio8.h"
#include "platform/CDirectGraphics8.h"
#include "platform/CSprite.h"
#include "platform/Clock.h"
#include "rules/CChessBoard.h"

namespace {

constexpr int kTileAlpha = 100;
constexpr int kSelectedAlpha = 150;
constexpr int kCloudsAlpha = 150;
constexpr float kCloudSpeed = 40.0f;    // pixels per second
constexpr float kCloudTravel = 2000.0f; // from x = -2000 to x = 0, then back
constexpr uint32_t kWindInterval = 120000;

} // namespace

CMistMountainArena::CMistMountainArena() : cloudStartTime(GetTickCount()) {}

bool CMistMountainArena::Load(CDirectGraphics8 *graphics, CDirectAudio8 *audio) {
  Release();
  if (!graphics) return false;
  scenery = MakeSprite(graphics, art::kMistMountainScreen, 255);
  clouds = MakeSprite(graphics, art::kClouds, kCloudsAlpha);
  LoadBoard(graphics, audio, art::kWhiteGlassTile, kTileAlpha, art::kBlueGlassTile, kTileAlpha,
            kSelectedAlpha, art::kSoundWind);

  // The cloud picture stretched over 2800 x 1200, wide enough to slide across the display for
  // 2000 pixels.
  clouds->OffsetEdges(-1000, 0, 1000, 600);
  cloudSpeed = kCloudSpeed;
  cloudStartTime = GetTickCount();
  return true;
}

bool CMistMountainArena::Draw(CDirectGraphics8 *graphics, CDirectAudio8 *audio, CMouse *, CKeyboard *,
                              CChessBoard *board) {
  if (!graphics) return false;
  const uint32_t now = GetTickCount();
  DrawAt(graphics, scenery.get(), 0, 0);

  // The wind blows in the first frame of the first Mist Mountain match, and then no more than once
  // every two minutes, across matches.
  if (audio && soundTimers.wind.Due(now)) {
    audio->Play(sound.get());
    soundTimers.wind.Start(now, kWindInterval);
  }

  if (board) DrawBoard(graphics, *board);

  UpdateDrift(cloudOffset, cloudStartTime, now, cloudSpeed);
  DrawAt(graphics, clouds.get(), cloudOffset - kCloudTravel, 0);
  if (cloudOffset > kCloudTravel) cloudStartTime = now;
  return true;
}

void CMistMountainArena::Release() {
  scenery.reset();
  clouds.reset();
  CArena::Release();
}
