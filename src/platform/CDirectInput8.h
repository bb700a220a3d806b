// The input system: makes the keyboard and the mouse devices for the window and keeps the log
// "CDirectInput8 Log.txt". The devices read the input that the window gathers from the system's
// events (CDisplayWindow::PumpEvents) or that a test feeds it.
#pragma once

class CDisplayWindow;
class CInputSource;
class CKeyboard;
class CLogFile;
class CMouse;

class CDirectInput8 {
public:
  // `instance` is kept for the devices' sake only; nothing needs it on this platform. A null window
  // leaves the input system without devices (and says so in the log).
  CDirectInput8(CDisplayWindow *window, void *instance);
  ~CDirectInput8();
  CDirectInput8(const CDirectInput8 &) = delete;
  CDirectInput8 &operator=(const CDirectInput8 &) = delete;

  // A new keyboard, or null (logged) when there is nothing to read it from. The caller deletes it.
  CKeyboard *CreateKeyboard();
  // A new mouse whose cursor ranges over 0..maxX and 0..maxY inclusive, or null (logged) when there
  // is nothing to read it from. The caller deletes it.
  CMouse *CreateMouse(int maxX, int maxY);

  CLogFile *Log() { return log; }

private:
  CInputSource *source;
  CDisplayWindow *window;
  void *instance;
  CLogFile *log;
};
