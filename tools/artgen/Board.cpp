#include "Board.h"

#include "app/ArtManifest.h"

#include <cmath>

namespace artgen {

int SquareScreenX(int row, int column) { return 45 + 45 * row + 47 * column; }
int SquareScreenY(int row, int column) { return 292 + 22 * row - 23 * column; }

void DrawSprite(Canvas &target, const Bitmap &picture, float left, float top, float width, float height,
                int alpha, bool smooth) {
  const float a = alpha / 255.0f;
  int x0 = std::max(0, int(std::ceil(left - 0.5f))),
      x1 = std::min(target.Width(), int(std::ceil(left + width - 0.5f)));
  int y0 = std::max(0, int(std::ceil(top - 0.5f))),
      y1 = std::min(target.Height(), int(std::ceil(top + height - 0.5f)));
  if (smooth && (width != float(picture.Width()) || height != float(picture.Height()))) {
    const Canvas texels = picture.ToCanvas();
    const float su = picture.Width() / width, sv = picture.Height() / height;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) {
        Color c = texels.Sample((x + 0.5f - left) * su, (y + 0.5f - top) * sv);
        if (c.a > 0) target.Blend(x, y, Color{c.r, c.g, c.b, 1}, a * c.a);
      }
    return;
  }
  for (int y = y0; y < y1; ++y) {
    int v = std::min(picture.Height() - 1, int((y + 0.5f - top) * picture.Height() / height));
    if (v < 0) continue;
    for (int x = x0; x < x1; ++x) {
      int u = std::min(picture.Width() - 1, int((x + 0.5f - left) * picture.Width() / width));
      if (u < 0 || picture.Transparent(u, v)) continue;
      const uint8_t *p = picture.At(u, v);
      target.Blend(x, y, Rgb(p[0], p[1], p[2]), a);
    }
  }
}

namespace {

struct Layout {
  const art::ArtFile *tileA, *tileB;
  int tileAlpha, selectedAlpha, shift;
};

Layout LayoutOf(Arena arena) {
  switch (arena) {
  case Arena::MistMountain:
    return {&art::kWhiteGlassTile, &art::kBlueGlassTile, 100, 150, 0};
  case Arena::Dungeon:
    return {&art::kSmoothRockTile, &art::kMoonRockTile, 255, 63, 60};
  default:
    return {&art::kGreyGlassTile, &art::kWhiteGlassTile, 150, 100, -60};
  }
}

// Starting position with White near the viewer (rows 6 and 7); column 3 holds the kings.
int StartingKind(int row, int column) {
  static const int back[8] = {2, 4, 3, 0, 1, 3, 4, 2}; // by column: rook, knight, bishop, king, queen...
  if (row == 1 || row == 6) return 5;
  if (row == 0 || row == 7) return back[column];
  return -1;
}

} // namespace

Canvas ComposeBoard(const PictureLookup &lookup, const BoardView &view) {
  Canvas frame(800, 600, Color{0, 0, 0, 1});
  auto draw = [&](const art::ArtFile &file, float x, float y, float w, float h, int alpha) {
    if (const Bitmap *b = lookup(file.path)) DrawSprite(frame, *b, x, y, w, h, alpha, view.smooth);
  };
  const Layout layout = LayoutOf(view.arena);

  if (view.arena == Arena::MistMountain) draw(art::kMistMountainScreen, 0, 0, 800, 600, 255);
  if (view.arena == Arena::Dungeon) draw(art::kDungeonScreen, 0, 0, 800, 600, 255);
  if (view.arena == Arena::RiverOfLife) {
    draw(art::kSand, 0, 0, 800, 600, 255);
    draw(art::kWater, -view.waterAcross, view.waterDown - 1000, 2800, 2600, 120);
    draw(art::kRiverOfLifeLand, 0, 0, 800, 600, 255);
  }

  bool flag = false;
  for (int row = 0; row < 8; ++row) {
    for (int column = 7; column >= 0; --column) {
      float x = float(SquareScreenX(row, column)), y = float(SquareScreenY(row, column) + layout.shift);
      draw(flag ? *layout.tileB : *layout.tileA, x, y, 127, 63, layout.tileAlpha);
      if (row == view.markedRow && column == view.markedColumn)
        draw(art::kSelectedTile, x, y, 127, 63, layout.selectedAlpha);
      flag = !flag;
    }
    flag = !flag;
  }
  if (view.pieces)
    for (int row = 0; row < 8; ++row)
      for (int column = 7; column >= 0; --column) {
        int kind = StartingKind(row, column);
        if (kind < 0) continue;
        int side = row >= 6 ? 0 : 1;
        float x = float(SquareScreenX(row, column) + 12),
              y = float(SquareScreenY(row, column) + layout.shift - 54);
        draw(art::kPieces[side][kind], x, y, 63, 127, 180);
      }
  if (view.arena == Arena::MistMountain) draw(art::kClouds, view.cloudOffset - 2000, 0, 2800, 1200, 150);
  return frame;
}

} // namespace artgen
