// The system side of CDirectGraphics8, CSprite and CFont, shared by those classes only.
#pragma once

#include <SDL.h>

#include <vector>

// A sprite's texture. A texture of a single pixel is also kept as that pixel's colour: such a sprite
// is one flat colour however it is stretched, and draws as a plain filled rectangle.
//
// The software renderer blends a tinted or faded picture several times slower than a plain one, so
// there a tinted sprite draws a copy of its texture with the tint already applied (`tinted`, made
// again only when the tint changes).
struct SSpriteTexture {
  SDL_Texture *texture = nullptr;
  int width = 0;
  int height = 0;
  bool opaque = false; // every pixel fully opaque
  bool singlePixel = false;
  Uint8 pixelRed = 0, pixelGreen = 0, pixelBlue = 0, pixelAlpha = 0;

  SDL_Texture *tinted = nullptr;
  Uint8 tint[4] = {255, 255, 255, 255}; // red, green, blue, alpha applied to `tinted`

  ~SSpriteTexture() {
    if (texture) SDL_DestroyTexture(texture);
    if (tinted) SDL_DestroyTexture(tinted);
  }
};

struct SGraphicsDevice {
  SDL_Renderer *renderer = nullptr; // null until a display mode is obtained
  SDL_Surface *frame = nullptr;     // the headless frame (not owned), or null on screen
  bool headless = false;
  bool software = false; // the software renderer: tinted pictures are drawn from tinted copies

  // Flat opaque rectangles waiting to be drawn in one call: a run of them in one colour (the title's
  // logo is tens of thousands of single pixels) costs one renderer command instead of one each.
  std::vector<SDL_FRect> solidRects;
  SDL_Color solidColour{0, 0, 0, 0};

  void QueueSolid(const SDL_FRect &rect, SDL_Color colour) {
    if (!solidRects.empty() && (colour.r != solidColour.r || colour.g != solidColour.g ||
                                colour.b != solidColour.b || colour.a != solidColour.a))
      FlushSolids();
    solidColour = colour;
    solidRects.push_back(rect);
  }

  // Draws what is queued; every other kind of drawing calls this first, so the order of draws holds.
  void FlushSolids() {
    if (solidRects.empty() || !renderer) return;
    SDL_SetRenderDrawBlendMode(renderer, solidColour.a == 255 ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(renderer, solidColour.r, solidColour.g, solidColour.b, solidColour.a);
    SDL_RenderFillRectsF(renderer, solidRects.data(), static_cast<int>(solidRects.size()));
    solidRects.clear();
  }
};
