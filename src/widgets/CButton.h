// A push button drawn from a normal and a pushed picture. Holding the mouse button over it latches
// `pressed` and plays the click once; the latch stays until the owning screen clears it, so a held
// mouse button never clicks twice. Interaction (hit test, latch) is kept apart from drawing.
// The button owns its pictures and sound.
#pragma once

#include <cstdint>
#include <memory>

class CDirectAudio8;
class CDirectGraphics8;
class CSound;
class CSprite;

class CButton {
public:
  // The rectangle is screen-local. Takes ownership of both sprites and the sound (which may be null).
  CButton(int32_t left, int32_t top, int32_t right, int32_t bottom, CSprite *normalSprite,
          CSprite *pushedSprite, CSound *clickSound);
  ~CButton();
  CButton(const CButton &) = delete;
  CButton &operator=(const CButton &) = delete;

  // Strict hit test on all four edges, in screen-local pixels.
  bool Contains(int32_t x, int32_t y) const;
  // Sets the latch and plays the click; does nothing while already latched.
  void Press(CDirectAudio8 *audio);

  // Draws the pushed picture while latched, else the normal one, at the origin plus the rectangle's corner.
  void Draw(CDirectGraphics8 *graphics, int32_t originX, int32_t originY);

  int32_t left, top, right, bottom;
  uint8_t pressed = 0;
  std::unique_ptr<CSprite> normalSprite;
  std::unique_ptr<CSprite> pushedSprite;
  std::unique_ptr<CSound> clickSound;
};
