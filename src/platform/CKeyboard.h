// The keyboard: a snapshot of all 256 key states by DirectInput key code (1 Escape, 2-11 the digits
// 1-0, 14 Backspace, 42 and 54 the Shift keys, 59 F1, the letters at their own codes), taken by
// Read once a frame. A key is down when bit 7 of its byte is set. A press shorter than a frame still
// shows as down for one frame.
#pragma once

#include <cstdint>

class CInputSource;

class CKeyboard {
public:
  // DirectInput key codes of the keys the game reads.
  static constexpr int kEscape = 0x01;
  static constexpr int kBackspace = 0x0E;
  static constexpr int kLeftShift = 0x2A;
  static constexpr int kRightShift = 0x36;
  static constexpr int kF1 = 0x3B;
  // The letters A to Z, in alphabetical order.
  static constexpr int kLetterKeys[26] = {
      0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17, 0x24, 0x25, 0x26, 0x32, // A-M
      0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C, // N-Z
  };
  // The top-row digits 0 to 9, in that order (the row runs 1 to 9, then 0: codes 2 to 11).
  static constexpr int kDigitKeys[10] = {0x0B, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A};

  explicit CKeyboard(CInputSource *source);

  // Takes a new snapshot of the keys.
  void Read();
  // Whether the key was down at the last Read; false for codes outside 0-255.
  bool IsKeyDown(int code) const;

  CInputSource *device;
  uint8_t keys[256];
};
