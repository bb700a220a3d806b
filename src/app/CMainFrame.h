// The main window of the game: it owns the display window, and builds on it the two long-lived objects,
// the CEngine and then the CScreenManager. Its close handler (OnClose) destroys them in the reverse
// order: first the screen manager (every screen), then the engine (devices, font, logs). The window
// itself goes last, with the frame.
#pragma once

#include <memory>

class CDisplayWindow;
class CEngine;
class CScreenFactory;
class CScreenManager;

class CMainFrame {
public:
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 600;

  // Builds the engine on the window (a null window gives an engine without a display, which reports
  // it) and, when the engine has a display, the screen manager with the factory's screens.
  CMainFrame(std::unique_ptr<CDisplayWindow> window, std::unique_ptr<CScreenFactory> screens);
  // Runs the close handler if it has not run.
  ~CMainFrame();
  CMainFrame(const CMainFrame &) = delete;
  CMainFrame &operator=(const CMainFrame &) = delete;

  // Whether the game can run: the engine obtained a display and the manager exists.
  bool IsRunning() const { return engine != nullptr && manager != nullptr; }

  // The close handler: destroys the screen manager, then the engine, and posts the quit. Running it
  // again finds nothing left to destroy and only posts the quit again.
  void OnClose();
  bool QuitPosted() const { return quitPosted; }

  CDisplayWindow *Window() const { return window.get(); }
  CEngine *Engine() const { return engine; }
  CScreenManager *Manager() const { return manager; }

private:
  std::unique_ptr<CDisplayWindow> window; // outlives the engine's devices
  CEngine *engine = nullptr;              // owned
  CScreenManager *manager = nullptr;      // owned
  bool quitPosted = false;
};
