// The whole game, headless, for tests: the real CChessApp, CEngine and CScreenManager on the test
// seams. It makes a fresh temporary working folder that links to the generated Graphics/ and Sounds/
// and holds an empty Saves/, installs a hand-driven clock (CTestClock) and an audio recorder
// (CAudioRecorder), and opens the game on a headless window. Nothing runs until the test says so:
// Frame() is one turn of the main loop (events, CEngine::Frame, CScreenManager::Update).
//
// Input is scripted between frames and seen by the next frame. The cursor is the game's own,
// moved by relative motion times the mouse's sensitivity; MoveCursorTo works out that motion.
//
//   CGameHarness game;                           // the game's own screens
//   game.Click(400, 300);                        // one frame with the left button held there
//   game.PressKey(harness::kF1);                 // one frame with F1 held
//   game.TypeText("Player2");                    // a frame per key, 200 ms apart (Shift for capitals)
//   game.Advance(6000); game.Frame();            // time passes only when the test says so
//   game.SaveFrame("menu.png");                  // into CGameHarness::FramesFolder()
//   EXPECT_EQ(game.Audio().PlayCount(art::kSoundClick.path), 1);
#pragma once

#include "CTempFolder.h"
#include "CTestClock.h"
#include "platform/CAudioRecorder.h"
#include "platform/CKeyboard.h"

#include <cstdint>
#include <memory>
#include <string>

class CChessApp;
class CDirectGraphics8;
class CDisplayWindow;
class CEngine;
class CInputSource;
class CMainFrame;
class CScreenFactory;
class CScreenManager;

namespace harness {
// DirectInput key codes of the keys the game reads.
constexpr int kEscape = CKeyboard::kEscape;
constexpr int kBackspace = CKeyboard::kBackspace;
constexpr int kLeftShift = CKeyboard::kLeftShift;
constexpr int kRightShift = CKeyboard::kRightShift;
constexpr int kF1 = CKeyboard::kF1;
// The key code of a letter (either case) or a top-row digit; 0 for any other character.
int KeyCode(char c);
} // namespace harness

class CGameHarness {
public:
  // With no factory, the game's own screens. The clock starts at `startTick`.
  explicit CGameHarness(std::unique_ptr<CScreenFactory> screens = nullptr, uint32_t startTick = 1000);
  ~CGameHarness();
  CGameHarness(const CGameHarness &) = delete;
  CGameHarness &operator=(const CGameHarness &) = delete;

  // --- Running -------------------------------------------------------------------------------
  // One turn of the main loop. False once the program has closed (in this turn or before).
  bool Frame();
  // `count` turns, the clock advanced by `msPerFrame` after each. False if the program closed.
  bool Frames(int count, uint32_t msPerFrame = 0);
  // Turns until `ms` have passed on the clock, `msPerFrame` apart.
  bool RunFor(uint32_t ms, uint32_t msPerFrame = 16);
  // The two halves of an idle step, one at a time: events pumped and CEngine::Frame alone (returns
  // its result; a false does not close anything), or CScreenManager::Update alone.
  bool EngineFrame();
  void ManagerUpdate();
  // As the window's close button: the next Frame runs the close handler.
  void RequestClose();
  bool IsClosed() const;

  // --- Clock ---------------------------------------------------------------------------------
  void Advance(uint32_t ms);
  uint32_t Now() const;

  // --- Keyboard (DirectInput key codes) ------------------------------------------------------
  void HoldKey(int code);
  void ReleaseKey(int code);
  // Holds the key for `frames` frames (running them), then releases it.
  bool PressKey(int code, int frames = 1);
  // Types letters and digits, one frame per key (capitals with Left Shift held), the clock advanced
  // by `msBetween` after each so that the next key is taken. Other characters are skipped.
  bool TypeText(const std::string &text, uint32_t msBetween = 200);

  // --- Mouse ---------------------------------------------------------------------------------
  // Queues the relative motion that brings the cursor to (x, y) at the next frame, from where it is
  // now and at the mouse's sensitivity. False when that sensitivity cannot land exactly there (2.0
  // moves in steps of two); the cursor then lands on the nearest point it can reach.
  bool MoveCursorTo(int x, int y);
  void HoldButton();
  void ReleaseButton();
  // Moves to (x, y) and runs one frame with the left button held there; the next frame sees it up.
  bool Click(int x, int y);
  int CursorX() const;
  int CursorY() const;

  // --- Looking -------------------------------------------------------------------------------
  // The frame as last drawn, as 0xRRGGBB.
  uint32_t Pixel(int x, int y);
  // Saves the frame as a PNG. A relative name goes into FramesFolder(), which outlives the test.
  bool SaveFrame(const std::string &pngFile);
  static std::string FramesFolder();

  // --- The parts (the engine and manager are null once closed) -------------------------------
  CChessApp &App() { return *app; }
  CMainFrame *MainFrame() const;
  CEngine *Engine() const;
  CScreenManager *Manager() const;
  CDirectGraphics8 *Graphics() const;
  CDisplayWindow *Window() const;
  CInputSource &Input();
  CTestClock &Clock() { return clock; }
  CAudioRecorder &Audio() { return recorder; }
  const std::string &FolderPath() const { return folder.Path(); }

private:
  void ResetPendingMotion();

  CTempFolder folder;
  CTestClock clock;
  CAudioRecorder recorder;
  std::unique_ptr<CChessApp> app;
  int64_t pendingDx = 0, pendingDy = 0; // motion fed since the mouse last read it
};
