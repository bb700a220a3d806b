#include "match/CArena.h"

#include "match/CDungeonArena.h"
#include "match/CMistMountainArena.h"
#include "match/CRiverOfLifeArena.h"
#include "platform/CDirectAudio8.h"
#include "platform/CDirectGraphics8.h"
#include "rules/CChessBoard.h"
#include "rules/CPiece.h"

namespace {

// The pieces are a little see-through on every scene.
constexpr int kPieceAlpha = 180;

} // namespace

CArena::SSoundTimers CArena::soundTimers;

bool CArena::Load(CDirectGraphics8 *, CDirectAudio8 *) { return true; }

bool CArena::Draw(CDirectGraphics8 *, CDirectAudio8 *, CMouse *, CKeyboard *, CChessBoard *) { return true; }

void CArena::Release() {
  tileA.reset();
  tileB.reset();
  selected.reset();
  for (auto &side : pieces) {
    for (std::unique_ptr<CSprite> &piece : side)
      piece.reset();
  }
  sound.reset();
}

void CArena::ResetProgramWideSoundTimersForTests() { soundTimers = SSoundTimers(); }

std::unique_ptr<CSprite> CArena::MakeSprite(CDirectGraphics8 *graphics, const art::ArtFile &file, int alpha) {
  return std::unique_ptr<CSprite>(graphics->CreateSprite(0, 0, static_cast<float>(file.width),
                                                         static_cast<float>(file.height), file.path, 255, 255,
                                                         255, alpha));
}

void CArena::LoadBoard(CDirectGraphics8 *graphics, CDirectAudio8 *audio, const art::ArtFile &tileAFile,
                       int tileAAlpha, const art::ArtFile &tileBFile, int tileBAlpha, int selectedAlpha,
                       const art::ArtFile &soundFile) {
  tileA = MakeSprite(graphics, tileAFile, tileAAlpha);
  tileB = MakeSprite(graphics, tileBFile, tileBAlpha);
  selected = MakeSprite(graphics, art::kSelectedTile, selectedAlpha);
  for (int side = 0; side < 2; ++side) {
    for (int kind = 0; kind < 6; ++kind)
      pieces[side][kind] = MakeSprite(graphics, art::kPieces[side][kind], kPieceAlpha);
  }
  sound = std::make_unique<CSound>();
  sound->Load(soundFile.path);
  if (audio) audio->Attach(sound.get());
}

void CArena::UpdateDrift(float &offset, uint32_t start, uint32_t now, float speed) {
  const uint32_t elapsed = now - start;
  if (elapsed != 0) offset = static_cast<float>(elapsed) * speed * 0.001f;
}

void CArena::DrawAt(CDirectGraphics8 *graphics, CSprite *sprite, float x, float y) {
  if (!sprite) return;
  sprite->MoveTo(x, y);
  graphics->DrawSprite(sprite);
}

void CArena::ShiftBoardOnFirstDraw(CChessBoard *board, int32_t dy) {
  if (firstFrame != 1 || !board) return;
  board->ShiftOnScreen(0, dy);
  firstFrame = 0;
}

void CArena::DrawBoard(CDirectGraphics8 *graphics, const CChessBoard &board) {
  // Tiles alternate along the drawing order and once more at the end of every row, so a tile's
  // picture depends only on its square: tile A where row + column is odd, tile B where it is even.
  bool useTileB = false;
  for (int32_t row = 0; row < kBoardSize; ++row) {
    for (int32_t column = kBoardSize - 1; column >= 0; --column) {
      const CBoardSquare &square = board.Square(row, column);
      const float x = static_cast<float>(square.screenX), y = static_cast<float>(square.screenY);
      DrawAt(graphics, useTileB ? tileB.get() : tileA.get(), x, y);
      // The overlay lies on its own tile and under every piece and every tile drawn later.
      if (square.marked) DrawAt(graphics, selected.get(), x, y);
      useTileB = !useTileB;
    }
    useTileB = !useTileB;
  }

  for (int32_t row = 0; row < kBoardSize; ++row) {
    for (int32_t column = kBoardSize - 1; column >= 0; --column) {
      const CPiece *piece = board.Square(row, column).piece;
      if (!piece || piece->side > Black || piece->kind < King || piece->kind > Pawn) continue;
      DrawAt(graphics, pieces[piece->side][piece->kind].get(), static_cast<float>(piece->screenX),
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
