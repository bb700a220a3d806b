#include "platform/CSprite.h"

#include "platform/CDirectGraphics8.h"
#include "platform/GraphicsDevice.h"

#include <algorithm>

namespace {

uint8_t ClampByte(int value) { return static_cast<uint8_t>(std::min(255, std::max(0, value))); }

} // namespace

CSprite::~CSprite() {
  if (graphics) graphics->Forget(this);
  delete texture;
}

void CSprite::MoveTo(float x, float y) {
  float width = right - left;
  float height = bottom - top;
  left = x;
  top = y;
  right = x + width;
  bottom = y + height;
}

void CSprite::OffsetEdges(float dLeft, float dTop, float dRight, float dBottom) {
  left += dLeft;
  top += dTop;
  right += dRight;
  bottom += dBottom;
}

void CSprite::SetColour(int r, int g, int b, int a) {
  red = ClampByte(r);
  green = ClampByte(g);
  blue = ClampByte(b);
  alpha = ClampByte(a);
}

void CSprite::SetUpright(bool isUpright) { upright = isUpright; }

uint32_t CSprite::Colour() const {
  return static_cast<uint32_t>(alpha) << 24 | static_cast<uint32_t>(red) << 16 |
         static_cast<uint32_t>(green) << 8 | blue;
}

int CSprite::TextureWidth() const { return texture ? texture->width : 0; }

int CSprite::TextureHeight() const { return texture ? texture->height : 0; }
