#include "widgets/CToggleButton.h"

#include "platform/CSound.h"
#include "platform/CSprite.h"
#include "platform/Clock.h"
#include "widgets/WidgetSupport.h"

CToggleButton::CToggleButton(int32_t l, int32_t t, int32_t r, int32_t b, CSprite *normal, CSprite *pushed,
                             CSound *click)
    : left(l), top(t), right(r), bottom(b), normalSprite(normal), pushedSprite(pushed), clickSound(click) {}

CToggleButton::~CToggleButton() = default;

bool CToggleButton::Contains(int32_t x, int32_t y) const {
  return widgets::StrictlyInside(left, top, right, bottom, x, y);
}

void CToggleButton::Toggle(CDirectAudio8 *audio) {
  uint32_t now = GetTickCount();
  if (holdOffUntil > now) return;
  holdOffUntil = now + kHoldOffMs;
  pressed = pressed ? 0 : 1;
  widgets::PlaySound(audio, clickSound.get());
}

void CToggleButton::Draw(CDirectGraphics8 *graphics, int32_t originX, int32_t originY) {
  CSprite *shown = pressed ? pushedSprite.get() : normalSprite.get();
  widgets::DrawPictureAt(graphics, shown, originX + left, originY + top);
}
