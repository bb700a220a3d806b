// The mouse: turns the relative movement of the mouse into a cursor position of the game's own,
// scaled by `sensitivity` and kept within 0..maxX and 0..maxY (inclusive), and holds the button
// states (bit 7 set while held; button 0 is the left one). Update reads the movement since the
// previous Update, so reading twice in a frame never counts a movement twice.
#pragma once

#include <cstdint>

class CInputSource;

class CMouse {
public:
  CMouse(CInputSource *source, int maxX, int maxY);

  // Reads the movement and buttons and moves the cursor: each axis moves by the movement times the
  // sensitivity, truncated toward zero (fractions are dropped at every read, not carried).
  void Update();

  CInputSource *device;
  int32_t dx = 0, dy = 0, dz = 0;
  uint8_t buttonStates[8] = {};
  int32_t x = 0, y = 0;
  int32_t maxX, maxY;
  float sensitivity = 1.0f;
};
