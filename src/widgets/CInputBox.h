// A one-line text field for a player's or a saved game's name. A click inside the box gives it the
// focus; a click anywhere else takes the focus away. While focused it takes one key every 200 ms
// from the keyboard: the letters (upper case with either Shift held) and the top-row digits, a digit
// winning over any letter; Backspace removes the last character. Typing stops at 14 characters.
// The focused box shows a blinking caret. Typing adds only letters and digits.
// Interaction (hit test, keys, hold-off) is kept apart from drawing. The box owns its picture.
#pragma once

#include <cstdint>
#include <memory>

class CDirectGraphics8;
class CFont;
class CKeyboard;
class CSprite;

class CInputBox {
public:
  static constexpr int kTextSize = 16; // bytes of `text`, its terminating zero included
  static constexpr int kMaxTyped = 14; // typing stops at this many characters
  static constexpr uint32_t kKeyHoldOffMs = 200;
  static constexpr uint32_t kCaretCycleMs = 1000;

  // Both rectangles are screen-local. Takes ownership of the background. The initial text (null for
  // none) is copied; anything past 15 characters is cut off.
  CInputBox(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t textLeft, int32_t textTop,
            int32_t textRight, int32_t textBottom, CSprite *background, const char *initialText);
  ~CInputBox();
  CInputBox(const CInputBox &) = delete;
  CInputBox &operator=(const CInputBox &) = delete;

  // Strict hit test of the box rectangle.
  bool Contains(int32_t x, int32_t y) const;
  // Takes this frame's key, if the hold-off has run out (see the class comment).
  void HandleKeys(CKeyboard *keyboard);
  // Whether the caret shows at `now`: hidden in the first half of each cycle, shown in the second.
  // Starts a new cycle once the current one has ended.
  bool CaretShown(uint32_t now);

  // The background at the box's corner, then the text (and the caret when focused) in white.
  void Draw(CDirectGraphics8 *graphics, CFont *font, int32_t originX, int32_t originY);

  std::unique_ptr<CSprite> background;
  int32_t left, top, right, bottom;
  int32_t textLeft, textTop, textRight, textBottom;
  char text[kTextSize];
  uint8_t focused = 0;
  uint32_t keyHoldOffUntil; // no key is taken while the clock is before this tick
  uint32_t caretDeadline;   // end of the current caret cycle
};
