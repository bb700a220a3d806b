// One picture on the display: a bitmap stretched over a rectangle of display pixels, made and drawn
// by CDirectGraphics8. A sprite can be moved, stretched, tinted, faded and flipped upside down. Its
// texture is made once, at the size of the rectangle it was created with; later changes of the
// rectangle stretch that texture, filtered smoothly (bilinear). A sprite without a texture (no file
// given, or a file that would not load) draws as a rectangle filled with its tint.
//
// Whoever creates a sprite deletes it. A sprite may outlive its graphics device; it then keeps its
// rectangle but draws nothing.
#pragma once

#include <cstdint>

class CDirectGraphics8;
struct SSpriteTexture;

class CSprite {
public:
  ~CSprite();
  CSprite(const CSprite &) = delete;
  CSprite &operator=(const CSprite &) = delete;

  // Moves the rectangle so that its top-left corner is at (x, y), keeping its width and height.
  void MoveTo(float x, float y);
  // Adds each value to its edge; the picture stretches with the rectangle.
  void OffsetEdges(float dLeft, float dTop, float dRight, float dBottom);
  // The tint, 0-255 each: drawing multiplies the picture's colour and opacity by it, so 255, 255,
  // 255, 255 shows it unchanged and a low alpha fades it.
  void SetColour(int red, int green, int blue, int alpha);
  // False shows the picture mirrored top to bottom; true puts it upright again.
  void SetUpright(bool upright);

  bool HasTexture() const { return texture != nullptr; }
  bool IsUpright() const { return upright; }
  // The tint packed as alpha << 24 | red << 16 | green << 8 | blue.
  uint32_t Colour() const;
  // Size of the texture in pixels (0 x 0 without one).
  int TextureWidth() const;
  int TextureHeight() const;

  // The rectangle in display pixels; writing the fields directly is the same as moving the sprite.
  float left = 0, top = 0, right = 0, bottom = 0;

private:
  friend class CDirectGraphics8;
  CSprite() = default;

  SSpriteTexture *texture = nullptr; // owned; null without a picture
  CDirectGraphics8 *graphics = nullptr;
  CSprite *previous = nullptr, *next = nullptr; // the device's list of its live sprites
  uint8_t red = 255, green = 255, blue = 255, alpha = 255;
  bool upright = true;
};
