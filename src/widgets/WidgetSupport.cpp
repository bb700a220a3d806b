#include "widgets/WidgetSupport.h"

#include "platform/CDirectAudio8.h"
#include "platform/CDirectGraphics8.h"
#include "platform/CSprite.h"

namespace widgets {

void DrawPictureAt(CDirectGraphics8 *graphics, CSprite *sprite, int32_t x, int32_t y) {
  if (!sprite) return;
  sprite->MoveTo(static_cast<float>(x), static_cast<float>(y));
  if (graphics) graphics->DrawSprite(sprite);
}

void PlaySound(CDirectAudio8 *audio, CSound *sound) {
  if (audio && sound) audio->Play(sound);
}

} // namespace widgets
