#include "match/CRiverOfLifeArena.h"

#include "app/ArtManifest.h"
#include "platform/CDirectAudio8.h"
#include "platform/CDirectGraphics8.h"
#include "platform/CSprite.h"
#include "platform/Clock.h"
#include "rules/CChessBoard.h"

namespace {

constexpr int kTileAlpha = 150;
constexpr int kSelectedAlpha = 100;
constexpr int kWaterAlpha = 120;
constexpr int32_t kBoardShiftY = -60;          // the island lies higher on the display
constexpr float kWaterVerticalSpeed = 12.0f;   // pixels per second, downward
constexpr float kWaterHorizontalSpeed = 10.0f; // pixels per second, leftward
constexpr float kWaterVerticalTravel = 1000.0f;
constexpr uint32_t kWaterRestartHoldOff = 1000;

} // namespace

CRiverOfLifeArena::CRiverOfLifeArena()
    : waterVerticalStartTime(GetTickCount()), waterHorizontalStartTime(waterVerticalStartTime) {}

bool CRiverOfLifeArena::Load(CDirectGraphics8 *graphics, CDirectAudio8 *audio) {
  Release();
  if (!graphics) return false;
  sand = MakeSprite(graphics, art::kSand, 255);
  land = MakeSprite(graphics, art::kRiverOfLifeLand, 255);
  water = MakeSprite(graphics, art::kWater, kWaterAlpha);
  LoadBoard(graphics, audio, art::kGreyGlassTile, kTileAlpha, art::kWhiteGlassTile, kTileAlpha,
            kSelectedAlpha, art::kSoundWater);

  const uint32_t now = GetTickCount();
  waterVerticalSpeed = kWaterVerticalSpeed;
  waterVerticalStartTime = now;
  waterHorizontalSpeed = kWaterHorizontalSpeed;
  waterHorizontalStartTime = now;
  // The water's picture stretched over 2800 x 2600, room to drift 1000 pixels each way.
  water->OffsetEdges(-1000, -1000, 1000, 1000);
  firstFrame = 1;
  return true;
}

bool CRiverOfLifeArena::Draw(CDirectGraphics8 *graphics, CDirectAudio8 *audio, CMouse *, CKeyboard *,
                             CChessBoard *board) {
  if (!graphics) return false;
  ShiftBoardOnFirstDraw(board, kBoardShiftY);

  const uint32_t now = GetTickCount();
  // The river never falls silent for more than about a second.
  if (audio && soundTimers.water.Due(now) && !audio->IsPlaying(sound.get())) {
    audio->Play(sound.get());
    soundTimers.water.Start(now, kWaterRestartHoldOff);
  }

  DrawAt(graphics, sand.get(), 0, 0);

  UpdateDrift(waterHorizontalOffset, waterHorizontalStartTime, now, waterHorizontalSpeed);
  UpdateDrift(waterVerticalOffset, waterVerticalStartTime, now, waterVerticalSpeed);
  DrawAt(graphics, water.get(), -waterHorizontalOffset, waterVerticalOffset - kWaterVerticalTravel);
  if (waterVerticalOffset > kWaterVerticalTravel) {
    waterVerticalStartTime = now;
    waterHorizontalStartTime = now;
  }

  DrawAt(graphics, land.get(), 0, 0);
  if (board) DrawBoard(graphics, *board);
  return true;
}

void CRiverOfLifeArena::Release() {
  sand.reset();
  land.reset();
  water.reset();
  CArena::Release();
}
