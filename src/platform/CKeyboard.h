// The keyboard: a snapshot of all 256 key states by DirectInput key code (1 Escape, 2-11 the digits
// 1-0, 14 Backspace, 42 and 54 the Shift keys, 59 F1, the letters at their own codes), taken by
// Read once a frame. A key is down when bit 7 of its byte is set. A press shorter than a frame still
// shows as down for one frame.
#pragma once

#include <cstdint>

class CInputSource;

class CKeyboard {
public:
  explicit CKeyboard(CInputSource *source);

  // Takes a new snapshot of the keys.
  void Read();
  // Whether the key was down at the last Read; false for codes outside 0-255.
  bool IsKeyDown(int code) const;

  CInputSource *device;
  uint8_t keys[256];
};
