#include "widgets/CInputBox.h"

#include "platform/CFont.h"
#include "platform/CKeyboard.h"
#include "platform/CSprite.h"
#include "platform/Clock.h"
#include "widgets/WidgetSupport.h"

#include <cstring>
#include <string>

CInputBox::CInputBox(int32_t l, int32_t t, int32_t r, int32_t b, int32_t tl, int32_t tt, int32_t tr,
                     int32_t tb, CSprite *picture, const char *initialText)
    : background(picture), left(l), top(t), right(r), bottom(b), textLeft(tl), textTop(tt), textRight(tr),
      textBottom(tb) {
  std::memset(text, 0, sizeof(text));
  if (initialText) std::strncpy(text, initialText, kTextSize - 1);
  uint32_t now = GetTickCount();
  keyHoldOffUntil = now;
  caretDeadline = now;
}

CInputBox::~CInputBox() = default;

bool CInputBox::Contains(int32_t x, int32_t y) const {
  return widgets::StrictlyInside(left, top, right, bottom, x, y);
}

void CInputBox::HandleKeys(CKeyboard *keyboard) {
  if (!keyboard) return;
  uint32_t now = GetTickCount();
  if (keyHoldOffUntil > now) return;

  bool shift = keyboard->IsKeyDown(CKeyboard::kLeftShift) || keyboard->IsKeyDown(CKeyboard::kRightShift);
  char ch = 0;
  for (int i = 0; i < 26; ++i)
    if (keyboard->IsKeyDown(CKeyboard::kLetterKeys[i])) ch = static_cast<char>('a' + i);
  if (shift && ch) ch = static_cast<char>(ch - 'a' + 'A');
  for (int d = 0; d < 10; ++d)
    if (keyboard->IsKeyDown(CKeyboard::kDigitKeys[d])) ch = static_cast<char>('0' + d);

  size_t length = std::strlen(text);
  if (ch) {
    keyHoldOffUntil = now + kKeyHoldOffMs;
    if (length < static_cast<size_t>(kMaxTyped)) {
      text[length++] = ch;
      text[length] = 0;
    }
  }
  // After the character, so a character and Backspace held together cancel out.
  if (keyboard->IsKeyDown(CKeyboard::kBackspace)) {
    if (length > 0) text[length - 1] = 0;
    keyHoldOffUntil = now + kKeyHoldOffMs;
  }
}

bool CInputBox::CaretShown(uint32_t now) {
  if (caretDeadline < now) {
    caretDeadline = now + kCaretCycleMs;
    return false;
  }
  return caretDeadline < now + kCaretCycleMs / 2;
}

void CInputBox::Draw(CDirectGraphics8 *graphics, CFont *font, int32_t originX, int32_t originY) {
  widgets::DrawPictureAt(graphics, background.get(), originX + left, originY + top);
  std::string shown(text);
  if (focused && CaretShown(GetTickCount())) shown += '_';
  if (!font) return;
  RECT rect{originX + textLeft, originY + textTop, originX + textRight, originY + textBottom};
  font->DrawTextA(shown.c_str(), -1, &rect, 0, D3DCOLOR_ARGB(255, 255, 255, 255));
}
