// The application: opens the window, builds the main frame, and runs the event loop. Each turn of
// the loop first drains the system's events; a close request (the window's close button, Alt+F4,
// SIGINT, SIGTERM) runs the main frame's close handler and ends the loop. Otherwise the turn is one
// idle step: one CEngine::Frame, then one CScreenManager::Update; when the frame returned false (a
// screen ended the program) the close handler runs right after that update. Frames run back to
// back, with no pacing.
//
// The loop can be driven a turn at a time (Step, or OnIdle alone), which is how the test harness
// runs the real engine and screens on a headless window.
#pragma once

#include <memory>

class CMainFrame;
class CScreenFactory;

class CChessApp {
public:
  enum class Display { FullScreen, Windowed, Headless };

  explicit CChessApp(std::unique_ptr<CScreenFactory> screens);
  ~CChessApp();
  CChessApp(const CChessApp &) = delete;
  CChessApp &operator=(const CChessApp &) = delete;

  // Opens the window titled "Ravelmark 1.1" and builds the main frame. False when the game cannot
  // run (no window or no display mode; the player has been told).
  bool InitInstance(Display display);
  // One idle step: a frame, then the screen manager's update. A frame that returns false posts a
  // close. Returns the frame's result.
  bool OnIdle();
  // One turn of the loop (see above). False once the program has closed.
  bool Step();
  // Asks for the close as the window's close button does; Step carries it out.
  void PostClose() { closePosted = true; }
  // Deletes the main frame (closing it first if needed); returns the process's exit status: 0 after
  // a normal close, 1 when the game could not start.
  int ExitInstance();

  // InitInstance, the loop until closed, ExitInstance.
  int Run(Display display);

  CMainFrame *MainFrame() const { return mainFrame.get(); }

private:
  std::unique_ptr<CScreenFactory> screens; // handed to the main frame by InitInstance
  std::unique_ptr<CMainFrame> mainFrame;
  bool closePosted = false;
  bool started = false;
};
