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

CMistMountainArena::~CMistMountainArena() { ReleaseScenery(); }

bool CMistMountainArena::Load(CDirectGraphics8 *graphics, CDirectAudio8 *audio) {
  Release();
  if (!graphics) return false;
  scenery = MakeSprite(graphics, art::kMistMountainScreen.width, art::kMistMountainScreen.height,
                       art::kMistMountainScreen.path, 255);
  clouds = MakeSprite(graphics, art::kClouds.width, art::kClouds.height, art::kClouds.path, kCloudsAlpha);
  LoadBoard(graphics, audio, art::kWhiteGlassTile.path, kTileAlpha, art::kBlueGlassTile.path, kTileAlpha,
            kSelectedAlpha, art::kSoundWind.path);

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
  DrawAt(graphics, scenery, 0, 0);

  // The wind blows in the first frame of the first Mist Mountain match, and then no more than once
  // every two minutes, across matches.
  if (audio && (!soundTimers.windPlayed || now - soundTimers.windStart > kWindInterval)) {
    audio->Play(sound);
    soundTimers.windPlayed = true;
    soundTimers.windStart = now;
  }

  if (board) DrawBoard(graphics, *board);

  const uint32_t elapsed = now - cloudStartTime;
  if (elapsed != 0) cloudOffset = static_cast<float>(elapsed) * cloudSpeed * 0.001f;
  DrawAt(graphics, clouds, cloudOffset - kCloudTravel, 0);
  if (cloudOffset > kCloudTravel) cloudStartTime = now;
  return true;
}

void CMistMountainArena::Release() {
  ReleaseScenery();
  CArena::Release();
}

void CMistMountainArena::ReleaseScenery() {
  DeleteSprite(scenery);
  DeleteSprite(clouds);
}
