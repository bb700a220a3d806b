// The owner of the platform layer (graphics device, audio, input devices, text font, mouse cursor)
// and of the 25 drawing slots that say which screens are drawn each frame. Frame is the body of the
// main loop:
//   begin, clear to black, read mouse and keyboard, update every registered active screen by layer
//   (25 first, underneath; 0 last, on top) and within a layer by slot, the frame-rate text, the
//   cursor, present.
// A screen whose Update returns false ends the program: the frame stops there (no later screen, no
// frame-rate text, no cursor), waits 100 ms, is presented, and Frame returns false.
//
// F1 inverts the frame-rate text on every frame in which it is held (not once per press). The rate
// shown is the average since the first frame, over a clock started 1001 ms early, so it never
// divides by zero.
#pragma once

#include <cstdint>
#include <string>

class CDirectAudio8;
class CDirectGraphics8;
class CDirectInput8;
class CDisplayWindow;
class CFont;
class CKeyboard;
class CMouse;
class CScreen;
class CSprite;

class CEngine {
public:
  static constexpr int kMaxScreens = 25;
  static constexpr int kTopLayer = 25; // layers run 25 down to 0: 26 of them
  static constexpr uint32_t kQuitWaitMs = 100;

  // Builds the devices for the window (width x height display; `format` is tried after 32-bit
  // colour and before X1R5G5B5). When no display mode can be had, shows "Your video card is not
  // compadible" / "ERROR"; HasDisplay() then says false and the engine must not run frames.
  CEngine(CDisplayWindow *window, void *instance, int width, int height, int format);
  // Releases, in this order: the font, the cursor, the graphics device, the audio, the keyboard,
  // the mouse, the input system. Registered screens are not touched.
  ~CEngine();
  CEngine(const CEngine &) = delete;
  CEngine &operator=(const CEngine &) = delete;

  bool HasDisplay() const;

  // One frame (see above). False: a screen asked to end the program.
  bool Frame();
  // Counts the frame, takes F1, and draws the frame-rate text when it is on.
  void DrawFps();

  // Hands the screen the platform objects (always) and puts it in the lowest free slot. False when
  // all 25 are taken: the screen is then not drawn. A screen already registered keeps its one slot.
  bool Register(CScreen *screen);
  // Frees the screen's slot; false when it had none.
  bool Unregister(CScreen *screen);
  void ShowCursor() { cursorVisible = 1; }
  void HideCursor() { cursorVisible = 0; }

  // The frame-rate text last drawn ("FPS: 10"), empty before the first; frames counted so far.
  const std::string &FpsText() const { return fpsText; }
  uint32_t FrameCount() const { return frameCount; }

  // Owned.
  CDirectGraphics8 *graphics = nullptr;
  CDirectAudio8 *audio = nullptr;
  CDirectInput8 *input = nullptr;
  CKeyboard *keyboard = nullptr;
  CMouse *mouse = nullptr;
  CFont *font = nullptr;
  // Not owned; null entries are free slots.
  CScreen *screens[kMaxScreens] = {};
  int32_t screenCount = 0;
  void *instance = nullptr;
  CDisplayWindow *window = nullptr;
  uint8_t cursorVisible = 0;
  CSprite *cursor = nullptr; // owned
  uint8_t showFps = 0;

private:
  bool fpsStarted = false;
  uint32_t fpsStartTick = 0;
  uint32_t frameCount = 0;
  std::string fpsText;
};
