// The game's one text font: a calligraphic face (Z003 Medium Italic, found through fontconfig; DejaVu
// Sans where it is missing), drawn antialiased onto the graphics device. DrawTextA draws a string
// top-left aligned in a rectangle of display pixels, clipped to that rectangle, in the colour given.
// Text is drawn in call order with the sprites of the frame.
//
// Each distinct string is rendered once and kept (the most recently used few hundred), so drawing
// the same labels every frame costs no more than drawing a sprite.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class CDirectGraphics8;
struct SFontCache;

// A rectangle of display pixels: left, top, right, bottom.
struct RECT {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};

// A colour packed as alpha << 24 | red << 16 | green << 8 | blue.
constexpr uint32_t D3DCOLOR_ARGB(int alpha, int red, int green, int blue) {
  return (static_cast<uint32_t>(alpha) & 0xFF) << 24 | (static_cast<uint32_t>(red) & 0xFF) << 16 |
         (static_cast<uint32_t>(green) & 0xFF) << 8 | (static_cast<uint32_t>(blue) & 0xFF);
}

class CFont {
public:
  // The text font for the device, with lines `height` display pixels apart (the game uses 24).
  // A font whose face cannot be found or opened draws nothing (the graphics log says so).
  CFont(CDirectGraphics8 *graphics, int height);
  ~CFont();
  CFont(const CFont &) = delete;
  CFont &operator=(const CFont &) = delete;

  // Draws `count` characters of `text` (-1: up to its terminating zero) with its top-left corner at
  // the rectangle's, clipped to the rectangle. `format` must be 0 (top-left, no wrapping; a "\n" in
  // the text starts a new line). `colour` is packed as D3DCOLOR_ARGB. Returns the height of the text
  // in pixels, 0 when nothing was drawn.
  int DrawTextA(const char *text, int count, RECT *rect, uint32_t format, uint32_t colour);

  bool IsLoaded() const;
  // The face's file, empty when none was found.
  const std::string &FaceFile() const { return faceFile; }
  // How many rendered strings are kept at the moment.
  int CachedStrings() const;

private:
  friend class CDirectGraphics8;
  void ReleaseDevice(); // the device is going: drop every rendered string

  CDirectGraphics8 *graphics;
  std::string faceFile;
  std::unique_ptr<SFontCache> cache;
};
