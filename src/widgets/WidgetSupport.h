// Small rules every widget shares: the strict hit test, and drawing one picture or playing one
// sound where either may be missing. Widgets have no common base class; these are plain helpers.
#pragma once

#include <cstdint>

class CDirectAudio8;
class CDirectGraphics8;
class CSound;
class CSprite;

namespace widgets {

// True when (x, y) lies strictly inside the rectangle: a point on any edge is outside.
inline bool StrictlyInside(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t x, int32_t y) {
  return left < x && x < right && top < y && y < bottom;
}

// Moves the picture's top-left corner to (x, y) and draws it; nothing happens without a picture.
void DrawPictureAt(CDirectGraphics8 *graphics, CSprite *sprite, int32_t x, int32_t y);

// Starts the sound; a missing sound or audio device is silence.
void PlaySound(CDirectAudio8 *audio, CSound *sound);

} // namespace widgets
