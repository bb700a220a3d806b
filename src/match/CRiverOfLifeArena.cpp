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

CRiverOfLifeArena::~CRiverOfLifeArena() { ReleaseScenery(); }

bool CRiverOfLifeArena::Load(CDirectGraphics8 *graphics, CDirectAudio8 *audio) {
  Release();
  if (!graphics) return false;
  sand = MakeSprite(graphics, art::kSand.width, art::kSand.height, art::kSand.path, 255);
  land = MakeSprite(graphics, art::kRiverOfLifeLand.width, art::kRiverOfLifeLand.height,
                    art::kRiverOfLifeLand.path, 255);
  water = MakeSprite(graphics, art::kWater.width, art::kWater.height, art::kWater.path, kWaterAlpha);
  LoadBoard(graphics, audio, art::kGreyGlassTile.path, kTileAlpha, art::kWhiteGlassTile.path, kTileAlpha,
            kSelectedAlpha, art::kSoundWater.path);

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
  // The board's squares and pieces are placed by the time the first frame is drawn, new match or
  // loaded one; moving them then moves the whole board once.
  if (firstFrame == 1 && board) {
    board->ShiftOnScreen(0, kBoardShiftY);
    firstFrame = 0;
  }

  const uint32_t now = GetTickCount();
  // The river never falls silent for more than about a second.
  if (audio && (!soundTimers.waterPlayed || now - soundTimers.waterStart > kWaterRestartHoldOff) &&
      !audio->IsPlaying(sound)) {
    audio->Play(sound);
    soundTimers.waterPlayed = true;
    soundTimers.waterStart = now;
  }

  DrawAt(graphics, sand, 0, 0);

  const uint32_t horizontalElapsed = now - waterHorizontalStartTime;
  if (horizontalElapsed != 0)
    waterHorizontalOffset = static_cast<float>(horizontalElapsed) * waterHorizontalSpeed * 0.001f;
  const uint32_t verticalElapsed = now - waterVerticalStartTime;
  if (verticalElapsed != 0)
    waterVerticalOffset = static_cast<float>(verticalElapsed) * waterVerticalSpeed * 0.001f;
  DrawAt(graphics, water, -waterHorizontalOffset, waterVerticalOffset - kWaterVerticalTravel);
  if (waterVerticalOffset > kWaterVerticalTravel) {
    waterVerticalStartTime = now;
    waterHorizontalStartTime = now;
  }

  DrawAt(graphics, land, 0, 0);
  if (board) DrawBoard(graphics, *board);
  return true;
}

void CRiverOfLifeArena::Release() {
  ReleaseScenery();
  CArena::Release();
}

void CRiverOfLifeArena::ReleaseScenery() {
  DeleteSprite(sand);
  DeleteSprite(land);
  DeleteSprite(water);
}
