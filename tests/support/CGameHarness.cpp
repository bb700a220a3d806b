#include "CGameHarness.h"

#include "CHeadlessGraphics.h"
#include "app/CChessApp.h"
#include "app/CEngine.h"
#include "app/CGameScreenFactory.h"
#include "app/CMainFrame.h"
#include "app/CScreenManager.h"
#include "platform/CDirectGraphics8.h"
#include "platform/CDisplayWindow.h"
#include "platform/CMouse.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#ifndef RAVELMARK_DATA_DIR
#error "RAVELMARK_DATA_DIR must name the folder the art is generated into"
#endif

namespace harness {

int KeyCode(char c) {
  if (c >= 'a' && c <= 'z') return CKeyboard::kLetterKeys[c - 'a'];
  if (c >= 'A' && c <= 'Z') return CKeyboard::kLetterKeys[c - 'A'];
  if (c >= '0' && c <= '9') return CKeyboard::kDigitKeys[c - '0'];
  return 0;
}

} // namespace harness

namespace {

// The cursor movement CMouse makes of `counts` at `sensitivity` (truncated toward zero).
int64_t Scaled(int64_t counts, float sensitivity) {
  return static_cast<int64_t>(static_cast<float>(counts) * sensitivity);
}

// The total counts (pending included) that move the cursor from `from` to `to` within 0..max, and
// whether it lands exactly.
int64_t CountsFor(int from, int to, int max, float sensitivity, bool &exact) {
  exact = true;
  if (to < 0) to = 0;
  if (to > max) to = max;
  if (to == from) return 0;
  // The edges are reached by going past them: the cursor stops there.
  int64_t far = static_cast<int64_t>(std::ceil((max + 1) / std::max(sensitivity, 0.01f))) + 1;
  if (to == 0) return -far;
  if (to == max) return far;
  int64_t wanted = to - from;
  if (!(sensitivity > 0)) {
    exact = false;
    return 0;
  }
  int64_t guess = static_cast<int64_t>(std::llround(static_cast<double>(wanted) / sensitivity));
  int64_t best = guess;
  int64_t bestMiss = INT64_MAX;
  for (int64_t counts = guess - 3; counts <= guess + 3; ++counts) {
    int64_t miss = std::llabs(Scaled(counts, sensitivity) - wanted);
    if (miss < bestMiss) {
      bestMiss = miss;
      best = counts;
    }
  }
  exact = bestMiss == 0;
  return best;
}

} // namespace

CGameHarness::CGameHarness(std::unique_ptr<CScreenFactory> screens, uint32_t startTick) : clock(startTick) {
  namespace fs = std::filesystem;
  fs::path data(RAVELMARK_DATA_DIR);
  for (const char *name : {"Graphics", "Sounds"}) {
    if (!fs::is_directory(data / name))
      throw std::runtime_error(std::string("the generated art is missing: ") + (data / name).string());
    fs::create_directory_symlink(data / name, name);
  }
  fs::create_directory("Saves");

  if (!screens) screens = std::make_unique<CGameScreenFactory>();
  app = std::make_unique<CChessApp>(std::move(screens));
  if (!app->InitInstance(CChessApp::Display::Headless))
    throw std::runtime_error("the game could not start on a headless window");
}

CGameHarness::~CGameHarness() { app.reset(); }

// --- Running -------------------------------------------------------------------------------------

bool CGameHarness::Frame() {
  bool running = app->Step();
  ResetPendingMotion();
  return running;
}

bool CGameHarness::Frames(int count, uint32_t msPerFrame) {
  for (int i = 0; i < count; ++i) {
    if (!Frame()) return false;
    clock.Advance(msPerFrame);
  }
  return !IsClosed();
}

bool CGameHarness::RunFor(uint32_t ms, uint32_t msPerFrame) {
  uint32_t end = clock.Now() + ms;
  if (msPerFrame == 0) msPerFrame = 1;
  while (static_cast<int32_t>(end - clock.Now()) > 0) {
    if (!Frame()) return false;
    clock.Advance(msPerFrame);
  }
  return !IsClosed();
}

bool CGameHarness::EngineFrame() {
  if (IsClosed()) return false;
  Window()->PumpEvents();
  bool result = Engine()->Frame();
  ResetPendingMotion();
  return result;
}

void CGameHarness::ManagerUpdate() {
  if (CScreenManager *manager = Manager()) manager->Update();
}

void CGameHarness::RequestClose() { app->PostClose(); }

bool CGameHarness::IsClosed() const { return !app->MainFrame() || !app->MainFrame()->IsRunning(); }

void CGameHarness::ResetPendingMotion() { pendingDx = pendingDy = 0; }

// --- Clock ---------------------------------------------------------------------------------------

void CGameHarness::Advance(uint32_t ms) { clock.Advance(ms); }

uint32_t CGameHarness::Now() const { return clock.Now(); }

// --- Keyboard ------------------------------------------------------------------------------------

void CGameHarness::HoldKey(int code) { Input().KeyDown(code); }

void CGameHarness::ReleaseKey(int code) { Input().KeyUp(code); }

bool CGameHarness::PressKey(int code, int frames) {
  HoldKey(code);
  bool running = true;
  for (int i = 0; i < frames && running; ++i)
    running = Frame();
  ReleaseKey(code);
  return running;
}

bool CGameHarness::TypeText(const std::string &text, uint32_t msBetween) {
  for (char c : text) {
    int code = harness::KeyCode(c);
    if (!code) continue;
    bool capital = c >= 'A' && c <= 'Z';
    if (capital) HoldKey(harness::kLeftShift);
    HoldKey(code);
    bool running = Frame();
    ReleaseKey(code);
    if (capital) ReleaseKey(harness::kLeftShift);
    clock.Advance(msBetween);
    if (!running) return false;
  }
  return true;
}

// --- Mouse ---------------------------------------------------------------------------------------

bool CGameHarness::MoveCursorTo(int x, int y) {
  CEngine *engine = Engine();
  if (!engine || !engine->mouse) return false;
  CMouse &mouse = *engine->mouse;
  bool exactX = true, exactY = true;
  int64_t totalX = CountsFor(mouse.x, x, mouse.maxX, mouse.sensitivity, exactX);
  int64_t totalY = CountsFor(mouse.y, y, mouse.maxY, mouse.sensitivity, exactY);
  Input().MouseMotion(static_cast<int>(totalX - pendingDx), static_cast<int>(totalY - pendingDy));
  pendingDx = totalX;
  pendingDy = totalY;
  return exactX && exactY;
}

void CGameHarness::HoldButton() { Input().ButtonDown(0); }

void CGameHarness::ReleaseButton() { Input().ButtonUp(0); }

bool CGameHarness::Click(int x, int y) {
  MoveCursorTo(x, y);
  // Down and up before the frame: the press still shows as held for exactly that one frame.
  Input().ButtonDown(0);
  Input().ButtonUp(0);
  return Frame();
}

int CGameHarness::CursorX() const { return Engine() && Engine()->mouse ? Engine()->mouse->x : 0; }

int CGameHarness::CursorY() const { return Engine() && Engine()->mouse ? Engine()->mouse->y : 0; }

// --- Looking -------------------------------------------------------------------------------------

uint32_t CGameHarness::Pixel(int x, int y) { return Graphics() ? Graphics()->GetPixel(x, y) : 0; }

bool CGameHarness::SaveFrame(const std::string &pngFile) { return SaveFrameForLooking(Graphics(), pngFile); }

std::string CGameHarness::FramesFolder() { return ::FramesFolder(); }

// --- The parts -----------------------------------------------------------------------------------

CMainFrame *CGameHarness::MainFrame() const { return app->MainFrame(); }

CEngine *CGameHarness::Engine() const { return MainFrame() ? MainFrame()->Engine() : nullptr; }

CScreenManager *CGameHarness::Manager() const { return MainFrame() ? MainFrame()->Manager() : nullptr; }

CDirectGraphics8 *CGameHarness::Graphics() const { return Engine() ? Engine()->graphics : nullptr; }

CDisplayWindow *CGameHarness::Window() const { return MainFrame() ? MainFrame()->Window() : nullptr; }

CInputSource &CGameHarness::Input() { return Window()->Input(); }
