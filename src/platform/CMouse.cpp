#include "platform/CMouse.h"

#include "platform/CInputSource.h"

#include <cmath>

namespace {

// The movement times the sensitivity, truncated toward zero and kept to a range that cannot
// overflow the position (the position itself never leaves the display).
int32_t Scaled(int32_t counts, float sensitivity) {
  float moved = static_cast<float>(counts) * sensitivity;
  if (std::isnan(moved)) return 0;
  if (moved > 1.0e9f) return 1000000000;
  if (moved < -1.0e9f) return -1000000000;
  return static_cast<int32_t>(moved);
}

} // namespace

CMouse::CMouse(CInputSource *source, int limitX, int limitY) : device(source), maxX(limitX), maxY(limitY) {}

void CMouse::Update() {
  dx = dy = dz = 0;
  for (uint8_t &state : buttonStates)
    state = 0;
  if (device) device->TakeMouse(dx, dy, dz, buttonStates);
  int64_t newX = static_cast<int64_t>(x) + Scaled(dx, sensitivity);
  int64_t newY = static_cast<int64_t>(y) + Scaled(dy, sensitivity);
  if (newX < 0) newX = 0;
  if (newX > maxX) newX = maxX;
  if (newY < 0) newY = 0;
  if (newY > maxY) newY = maxY;
  x = static_cast<int32_t>(newX);
  y = static_cast<int32_t>(newY);
}
