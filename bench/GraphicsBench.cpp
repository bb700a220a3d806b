// Frames of the game's heaviest kinds, drawn headless on the software renderer.
//   TitleLogoFrame: the title's logo, 65,536 single-pixel sprites, over one full-screen picture.
//   MatchFrame: a River Of Life match: three full-screen layers blended over each other, 64 glass
//               tiles, 32 pieces and three lines of text.
// Each iteration is one whole frame, from BeginFrame to EndFrame; items per second is frames per
// second.
#include "CHeadlessGraphics.h"
#include "TestFiles.h"
#include "platform/CDirectGraphics8.h"
#include "platform/CFont.h"
#include "platform/CSprite.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

// A picture with some texture to it (no flat colours a blitter could cheat on).
void WritePainting(const char *file, int width, int height, uint32_t base, bool cutOut) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int shade = static_cast<int>(40 * std::sin(x * 0.05) * std::cos(y * 0.07)) + ((x * 7 + y * 13) % 17);
      int r = std::min(255, std::max(1, static_cast<int>((base >> 16) & 255) + shade));
      int g = std::min(255, std::max(1, static_cast<int>((base >> 8) & 255) + shade));
      int b = std::min(255, std::max(1, static_cast<int>(base & 255) + shade));
      uint32_t p = static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b);
      // The cut-out: a river band of pure black (transparent) across the picture.
      if (cutOut && std::abs(y - 300 - static_cast<int>(80 * std::sin(x * 0.01))) < 90) p = 0;
      pixels[static_cast<size_t>(y) * width + x] = p;
    }
  }
  WriteBmp(file, width, height, pixels);
}

// A shape on pure black: a diamond (tile) or an upright rounded body (piece).
void WriteShape(const char *file, int width, int height, uint32_t colour, bool diamond) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      double dx = (x - width / 2.0) / (width / 2.0), dy = (y - height / 2.0) / (height / 2.0);
      bool inside = diamond ? std::fabs(dx) + std::fabs(dy) < 1.0 : dx * dx * 2.5 + dy * dy * 1.1 < 1.0;
      if (inside) pixels[static_cast<size_t>(y) * width + x] = colour + static_cast<uint32_t>((x + y) % 8);
    }
  }
  WriteBmp(file, width, height, pixels);
}

void TitleLogoFrame(benchmark::State &state) {
  CHeadlessGraphics headless;
  if (!headless.Ready()) {
    state.SkipWithError("no headless graphics device");
    return;
  }
  CDirectGraphics8 &graphics = *headless.graphics;
  WritePainting("Backdrop.bmp", 800, 600, 0x303850, false);
  WriteSolidBmp("Pixel.bmp", 1, 1, 0xE0C060);
  std::unique_ptr<CSprite> backdrop(
      graphics.CreateSprite(0, 0, 800, 600, "Backdrop.bmp", 255, 255, 255, 255));
  std::unique_ptr<CSprite> pixel(graphics.CreateSprite(0, 0, 1, 1, "Pixel.bmp", 255, 255, 255, 255));
  for (auto _ : state) {
    graphics.BeginFrame();
    graphics.ClearScreen(0, 0, 0, 255);
    graphics.DrawSprite(backdrop.get());
    for (int r = 0; r < 128; ++r) {
      for (int c = 0; c < 512; ++c) {
        pixel->MoveTo(static_cast<float>(100 + c), static_cast<float>(200 + r));
        graphics.DrawSprite(pixel.get());
      }
    }
    graphics.EndFrame();
    benchmark::DoNotOptimize(graphics.GetPixel(100, 200));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(TitleLogoFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same logo drawn through the ordinary textured path (a half-transparent pixel cannot be drawn
// as a plain rectangle): the cost of 65,536 single sprite draws, one by one.
void SingleSpriteDraws(benchmark::State &state) {
  CHeadlessGraphics headless;
  if (!headless.Ready()) {
    state.SkipWithError("no headless graphics device");
    return;
  }
  CDirectGraphics8 &graphics = *headless.graphics;
  WriteSolidBmp("Pixel.bmp", 1, 1, 0xE0C060);
  std::unique_ptr<CSprite> pixel(graphics.CreateSprite(0, 0, 1, 1, "Pixel.bmp", 255, 255, 255, 200));
  for (auto _ : state) {
    graphics.BeginFrame();
    graphics.ClearScreen(0, 0, 0, 255);
    for (int r = 0; r < 128; ++r) {
      for (int c = 0; c < 512; ++c) {
        pixel->MoveTo(static_cast<float>(100 + c), static_cast<float>(200 + r));
        graphics.DrawSprite(pixel.get());
      }
    }
    graphics.EndFrame();
    benchmark::DoNotOptimize(graphics.GetPixel(100, 200));
  }
  state.SetItemsProcessed(state.iterations() * 65536);
}
BENCHMARK(SingleSpriteDraws)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void MatchFrame(benchmark::State &state) {
  CHeadlessGraphics headless;
  if (!headless.Ready()) {
    state.SkipWithError("no headless graphics device");
    return;
  }
  CDirectGraphics8 &graphics = *headless.graphics;
  WritePainting("Sand.bmp", 800, 600, 0xA08050, false);
  WritePainting("Water.bmp", 800, 600, 0x2050A0, false);
  WritePainting("Land.bmp", 800, 600, 0x406030, true);
  WriteShape("Tile.bmp", 127, 63, 0xC0D8F0, true);
  WriteShape("Piece.bmp", 63, 127, 0xE8E0D0, false);
  std::unique_ptr<CSprite> sand(graphics.CreateSprite(0, 0, 800, 600, "Sand.bmp", 255, 255, 255, 255));
  // The water is stretched far beyond the display and drifts; only a part of it is ever seen.
  std::unique_ptr<CSprite> water(graphics.CreateSprite(0, 0, 2800, 2600, "Water.bmp", 255, 255, 255, 120));
  std::unique_ptr<CSprite> land(graphics.CreateSprite(0, 0, 800, 600, "Land.bmp", 255, 255, 255, 255));
  std::vector<std::unique_ptr<CSprite>> tiles, pieces;
  for (int i = 0; i < 64; ++i) {
    int row = i / 8, column = i % 8;
    float x = 47.0f * column + 45.0f * row + 40, y = 250.0f - 23.0f * column + 22.0f * row;
    tiles.emplace_back(
        graphics.CreateSprite(x, y, x + 127, y + 63, "Tile.bmp", 255, 255, 255, 100 + (i % 3) * 25));
    if (row < 2 || row > 5)
      pieces.emplace_back(
          graphics.CreateSprite(x + 12, y - 54, x + 75, y + 73, "Piece.bmp", 255, 255, 255, 255));
  }
  CFont font(&graphics, 24);
  RECT lines[3] = {{20, 510, 780, 540}, {20, 540, 780, 570}, {0, 0, 200, 50}};
  float drift = 0;
  for (auto _ : state) {
    graphics.BeginFrame();
    graphics.ClearScreen(0, 0, 0, 255);
    graphics.DrawSprite(sand.get());
    drift = drift > 1000 ? 0 : drift + 0.5f;
    water->MoveTo(-1000 + drift, -1000 + drift);
    graphics.DrawSprite(water.get());
    graphics.DrawSprite(land.get());
    for (auto &tile : tiles)
      graphics.DrawSprite(tile.get());
    for (auto &piece : pieces)
      graphics.DrawSprite(piece.get());
    font.DrawTextA("White's turn", -1, &lines[0], 0, D3DCOLOR_ARGB(255, 255, 255, 0));
    font.DrawTextA("Champion Vorgath thinks...", -1, &lines[1], 0, D3DCOLOR_ARGB(255, 255, 255, 255));
    font.DrawTextA("FPS: 143", -1, &lines[2], 0, D3DCOLOR_ARGB(255, 255, 255, 255));
    graphics.EndFrame();
    benchmark::DoNotOptimize(graphics.GetPixel(400, 300));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(MatchFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
