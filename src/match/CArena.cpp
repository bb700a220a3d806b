#include "match/CArena.h"

#include "app/ArtManifest.h"
#include "match/CDungeonArena.h"
#include "match/CMistMountainArena.h"
#include "match/CRiverOfLifeArena.h"
#include "platform/CDirectAudio8.h"
#include "platform/CDirectGraphics8.h"
#include "platform/CSound.h"
#include "platform/CSprite.h"
#include "rules/CChessBoard.h"
#include "rules/CPiece.h"

namespace {

// Every picture of a scene is drawn untinted; only its opacity differs.
constexpr int kPieceAlpha = 180;

} // namespace

CArena::SSoundTimers CArena::soundTimers;

CArena::~CArena() { CArena::Release(); }

bool CArena::Load(CDirectGraphics8 *, CDirectAudio8 *) { return true; }

bool CArena::Draw(CDirectGraphics8 *, CDirectAudio8 *, CMouse *, CKeyboard *, CChessBoard *) { return true; }

void CArena::Release() {
  DeleteSprite(tileA);
  DeleteSprite(tileB);
  DeleteSprite(selected);
  for (auto &side : pieces) {
    for (CSprite *&piece : side)
      DeleteSprite(piece);
  }
  delete sound;
  sound = nullptr;
}

void CArena::ResetProgramWideSoundTimersForTests() { soundTimers = SSoundTimers(); }

CSprite *CArena::MakeSprite(CDirectGraphics8 *graphics, int width, int height, const char *file, int alpha) {
  return graphics->CreateSprite(0, 0, static_cast<float>(width), static_cast<float>(height), file, 255, 255,
                                255, alpha);
}

void CArena::DeleteSprite(CSprite *&sprite) {
  delete sprite;
  sprite = nullptr;
}

void CArena::LoadBoard(CDirectGraphics8 *graphics, CDirectAudio8 *audio, const char *tileAFile,
                       int tileAAlpha, const char *tileBFile, int tileBAlpha, int selectedAlpha,
                       const char *soundFile) {
  const art::ArtFile &tile = art::kSelectedTile; // every tile picture has the selected tile's size
  tileA = MakeSprite(graphics, tile.width, tile.height, tileAFile, tileAAlpha);
  tileB = MakeSprite(graphics, tile.width, tile.height, tileBFile, tileBAlpha);
  selected = MakeSprite(graphics, tile.width, tile.height, art::kSelectedTile.path, selectedAlpha);
  for (int side = 0; side < 2; ++side) {
    for (int kind = 0; kind < 6; ++kind) {
      const art::ArtFile &picture = art::kPieces[side][kind];
      pieces[side][kind] = MakeSprite(graphics, picture.width, picture.height, picture.path, kPieceAlpha);
    }
  }
  sound = new CSound;
  sound->Load(soundFile);
  if (audio) audio->Attach(sound);
}

void CArena::DrawAt(CDirectGraphics8 *graphics, CSprite *sprite, float x, float y) {
  if (!sprite) return;
  sprite->MoveTo(x, y);
  graphics->DrawSprite(sprite);
}

void CArena::DrawBoard(CDirectGraphics8 *graphics, const CChessBoard &board) {
  // Tiles alternate along the drawing order and once more at the end of every row, so a tile's
  // picture depends only on its square: tile A where row + column is odd, tile B where it is even.
  bool useTileB = false;
  for (int32_t row = 0; row < kBoardSize; ++row) {
    for (int32_t column = kBoardSize - 1; column >= 0; --column) {
      const CBoardSquare &square = board.Square(row, column);
      const float x = static_cast<float>(square.screenX), y = static_cast<float>(square.screenY);
      DrawAt(graphics, useTileB ? tileB : tileA, x, y);
      // The overlay lies on its own tile and under every piece and every tile drawn later.
      if (square.marked) DrawAt(graphics, selected, x, y);
      useTileB = !useTileB;
    }
    useTileB = !useTileB;
  }

  for (int32_t row = 0; row < kBoardSize; ++row) {
    for (int32_t column = kBoardSize - 1; column >= 0; --column) {
      const CPiece *piece = board.Square(row, column).piece;
      if (!piece || piece->side > Black || piece->kind < King || piece->kind > Pawn) continue;
      DrawAt(graphics, pieces[piece->side][piece->kind], static_cast<float>(piece->screenX),
             static_cast<float>(piece->screenY));
    }
  }
}

std::unique_ptr<CArena> CreateArena(int32_t kind) {
  switch (kind) {
  case kMistMountainArena:
    return std::unique_ptr<CArena>(new CMistMountainArena);
  case kDungeonArena:
    return std::unique_ptr<CArena>(new CDungeonArena);
  default:
    return std::unique_ptr<CArena>(new CRiverOfLifeArena);
  }
}
