// The game's window: the one place the game's pictures go to and its keyboard and mouse come from.
// It comes in three kinds:
//   - full screen on the desktop, with an 800 x 600 logical display that is scaled to the screen and
//     letterboxed;
//   - an 800 x 600 window (for playing beside other programs);
//   - headless: no video driver at all, the pictures go into an 800 x 600 RGB888 surface in memory
//     that tests and tools read back. Nothing else in the game knows the difference.
// The graphics device (CDirectGraphics8) draws onto it; CDirectInput8's keyboard and mouse read the
// input it gathers. PumpEvents, once at the start of every frame, drains the system's events into
// that input and says whether the player asked to close the game. The window must outlive the
// graphics device and the input system made for it.
#pragma once

#include "platform/CInputSource.h"

#include <memory>
#include <string>

struct SDisplayWindowImpl;

class CDisplayWindow {
public:
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 600;

  // Each returns null when the window cannot be had; LastError() then says why.
  static CDisplayWindow *OpenFullScreen(const char *title);
  static CDisplayWindow *OpenWindowed(const char *title);
  static CDisplayWindow *OpenHeadless();
  static const std::string &LastError();

  ~CDisplayWindow();
  CDisplayWindow(const CDisplayWindow &) = delete;
  CDisplayWindow &operator=(const CDisplayWindow &) = delete;

  bool IsHeadless() const;

  // Drains every waiting system event: key presses and releases, relative mouse movement, buttons
  // and the wheel go into Input(); then starts the input's new frame (CInputSource::Commit).
  // Returns true when the player asked to close the game: the window's close button, Alt+F4, or a
  // quit request from the system (SIGINT, SIGTERM, logging out).
  bool PumpEvents();

  CInputSource &Input() { return input; }

  // Puts events into the system's queue exactly as the keyboard, the mouse and the window manager
  // would, for PumpEvents to find: a way to drive the real event path from a test. `keyName` is the
  // key's name as the system knows it ("Escape", "A", "1", "Left Shift", "F1", "Backspace"...).
  // Each returns false when the event could not be posted (an unknown key name, for one).
  static bool PostKeyEvent(const char *keyName, bool down, bool altHeld = false);
  static bool PostMouseMotion(int dx, int dy);
  static bool PostMouseButton(int button, bool down); // 0 left, 1 right, 2 middle
  static bool PostCloseRequest();                     // as the window's close button does
  static bool PostFocusLost();                        // as switching to another program does

  // For the platform's own classes.
  SDisplayWindowImpl *Impl() { return impl.get(); }

private:
  CDisplayWindow();
  static CDisplayWindow *OpenOnScreen(const char *title, bool fullScreen);

  std::unique_ptr<SDisplayWindowImpl> impl;
  CInputSource input;
};

// The program's one message box, for a failure at start-up when nothing can be drawn: a simple
// modal box with an OK button. The text is also written to standard error, which is all that
// happens where no box can be shown (no display at all).
void ShowMessageBox(const char *text, const char *caption);
