#include "platform/CInputSource.h"

#include <algorithm>
#include <cstring>

namespace {

int32_t ClampToInt32(int64_t value) {
  return static_cast<int32_t>(std::max<int64_t>(INT32_MIN, std::min<int64_t>(INT32_MAX, value)));
}

} // namespace

CInputSource::CInputSource() { ReleaseAll(); }

void CInputSource::KeyDown(int code) {
  if (code < 0 || code >= kKeyCount) return;
  keyHeld[code] = true;
  keyTapPending[code] = true;
}

void CInputSource::KeyUp(int code) {
  if (code < 0 || code >= kKeyCount) return;
  keyHeld[code] = false;
}

bool CInputSource::IsKeyHeld(int code) const { return code >= 0 && code < kKeyCount && keyHeld[code]; }

void CInputSource::MouseMotion(int mx, int my, int mz) {
  // Summed in 64 bits and kept within 32, so no flood of events can overflow it.
  dx = ClampToInt32(dx + mx);
  dy = ClampToInt32(dy + my);
  dz = ClampToInt32(dz + mz);
}

void CInputSource::ButtonDown(int button) {
  if (button < 0 || button >= kButtonCount) return;
  buttonHeld[button] = true;
  buttonTapPending[button] = true;
}

void CInputSource::ButtonUp(int button) {
  if (button < 0 || button >= kButtonCount) return;
  buttonHeld[button] = false;
}

void CInputSource::ReleaseAll() {
  std::memset(keyHeld, 0, sizeof(keyHeld));
  std::memset(keyTapPending, 0, sizeof(keyTapPending));
  std::memset(keyTapVisible, 0, sizeof(keyTapVisible));
  std::memset(buttonHeld, 0, sizeof(buttonHeld));
  std::memset(buttonTapPending, 0, sizeof(buttonTapPending));
  std::memset(buttonTapVisible, 0, sizeof(buttonTapVisible));
  dx = dy = dz = 0;
}

void CInputSource::Commit() {
  std::memcpy(keyTapVisible, keyTapPending, sizeof(keyTapVisible));
  std::memset(keyTapPending, 0, sizeof(keyTapPending));
  std::memcpy(buttonTapVisible, buttonTapPending, sizeof(buttonTapVisible));
  std::memset(buttonTapPending, 0, sizeof(buttonTapPending));
}

void CInputSource::ReadKeys(uint8_t keys[kKeyCount]) const {
  for (int i = 0; i < kKeyCount; ++i)
    keys[i] = (keyHeld[i] || keyTapVisible[i]) ? 0x80 : 0;
}

void CInputSource::TakeMouse(int32_t &outDx, int32_t &outDy, int32_t &outDz, uint8_t buttons[kButtonCount]) {
  outDx = ClampToInt32(dx);
  outDy = ClampToInt32(dy);
  outDz = ClampToInt32(dz);
  dx = dy = dz = 0;
  for (int i = 0; i < kButtonCount; ++i)
    buttons[i] = (buttonHeld[i] || buttonTapVisible[i]) ? 0x80 : 0;
}
