// The raw keyboard and mouse input of the game, in DirectInput's terms: 256 key states by key code,
// relative mouse movement and eight mouse buttons. The window's event pump feeds it from SDL's
// events; a test feeds it the same way by calling the same operations. CKeyboard and CMouse read it.
//
// A press is never lost, however short: a key or button that went down and came up again between
// two frames still reads as held for the whole of the frame that follows. The window's event pump
// marks each frame's start with Commit(); a test that feeds input by hand pumps the window too (or
// calls Commit itself) once before every frame.
#pragma once

#include <cstdint>

class CInputSource {
public:
  static constexpr int kKeyCount = 256;
  static constexpr int kButtonCount = 8;

  CInputSource();

  // Key codes are DirectInput's (1 Escape, 2-11 the digits 1-0, 14 Backspace, ...). Codes outside
  // 0-255 are ignored.
  void KeyDown(int code);
  void KeyUp(int code);
  bool IsKeyHeld(int code) const;

  // Relative movement in mouse counts (x right, y down, z the wheel), added up until a mouse reads it.
  void MouseMotion(int dx, int dy, int dz = 0);
  // Buttons: 0 left, 1 right, 2 middle, 3 and 4 the side buttons. Others are ignored.
  void ButtonDown(int button);
  void ButtonUp(int button);

  // Everything up and no movement: used when the window loses the input focus.
  void ReleaseAll();

  // Starts a new frame of input: presses made since the previous Commit become visible to the reads
  // of the coming frame (held or not), and those of the previous frame are forgotten.
  void Commit();

  // What CKeyboard reads: bit 7 set for every key held now or pressed during the last frame.
  void ReadKeys(uint8_t keys[kKeyCount]) const;
  // What CMouse reads: the movement since the previous call (which is then consumed) and the
  // buttons held now or pressed during the last frame (bit 7).
  void TakeMouse(int32_t &dx, int32_t &dy, int32_t &dz, uint8_t buttons[kButtonCount]);

private:
  bool keyHeld[kKeyCount];
  bool keyTapPending[kKeyCount];
  bool keyTapVisible[kKeyCount];
  bool buttonHeld[kButtonCount];
  bool buttonTapPending[kButtonCount];
  bool buttonTapVisible[kButtonCount];
  int64_t dx = 0, dy = 0, dz = 0;
};
