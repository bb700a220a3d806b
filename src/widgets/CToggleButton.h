// A button that flips between off (normal picture) and on (pushed picture) each time it is clicked,
// with a click sound. Holding the mouse button over it flips it at once and then every 300 ms: the
// hold-off is a deadline on the program clock. Screens make radio groups of several by setting
// `pressed` themselves. Interaction (hit test, hold-off, flip) is kept apart from drawing.
// The button owns its pictures and sound.
#pragma once

#include <cstdint>
#include <memory>

class CDirectAudio8;
class CDirectGraphics8;
class CSound;
class CSprite;

class CToggleButton {
public:
  static constexpr uint32_t kHoldOffMs = 300;

  // The rectangle is screen-local. Takes ownership of both sprites and the sound (which may be null).
  CToggleButton(int32_t left, int32_t top, int32_t right, int32_t bottom, CSprite *normalSprite,
                CSprite *pushedSprite, CSound *clickSound);
  ~CToggleButton();
  CToggleButton(const CToggleButton &) = delete;
  CToggleButton &operator=(const CToggleButton &) = delete;

  bool Contains(int32_t x, int32_t y) const;
  // Flips the state and plays the click, unless the hold-off has not run out yet.
  void Toggle(CDirectAudio8 *audio);

  void Draw(CDirectGraphics8 *graphics, int32_t originX, int32_t originY);

  int32_t left, top, right, bottom;
  uint8_t pressed = 0;
  std::unique_ptr<CSprite> normalSprite;
  std::unique_ptr<CSprite> pushedSprite;
  std::unique_ptr<CSound> clickSound;
  uint32_t holdOffUntil = 0; // no flip while the clock is before this tick
};
