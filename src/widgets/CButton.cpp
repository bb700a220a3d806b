#include "widgets/CButton.h"

#include "platform/CSound.h"
#include "platform/CSprite.h"
#include "widgets/WidgetSupport.h"

CButton::CButton(int32_t l, int32_t t, int32_t r, int32_t b, CSprite *normal, CSprite *pushed, CSound *click)
    : left(l), top(t), right(r), bottom(b), normalSprite(normal), pushedSprite(pushed), clickSound(click) {}

CButton::~CButton() = default;

bool CButton::Contains(int32_t x, int32_t y) const {
  return widgets::StrictlyInside(left, top, right, bottom, x, y);
}

void CButton::Press(CDirectAudio8 *audio) {
  if (pressed) return;
  pressed = 1;
  widgets::PlaySound(audio, clickSound.get());
}

void CButton::Draw(CDirectGraphics8 *graphics, int32_t originX, int32_t originY) {
  CSprite *shown = pressed ? pushedSprite.get() : normalSprite.get();
  widgets::DrawPictureAt(graphics, shown, originX + left, originY + top);
}
