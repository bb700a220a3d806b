#include "app/CEngine.h"

#include "app/ArtManifest.h"
#include "app/CScreen.h"
#include "app/StartupMessage.h"
#include "platform/CDirectAudio8.h"
#include "platform/CDirectGraphics8.h"
#include "platform/CDirectInput8.h"
#include "platform/CFont.h"
#include "platform/CKeyboard.h"
#include "platform/CMouse.h"
#include "platform/CSprite.h"
#include "platform/Clock.h"

#include <cstdio>

namespace {
constexpr int kAudioChannels = 64;
constexpr int kFontHeight = 24;
} // namespace

CEngine::CEngine(CDisplayWindow *displayWindow, void *moduleInstance, int width, int height, int format) {
  graphics = new CDirectGraphics8(displayWindow);
  bool obtained = false;
  for (int tried : {D3DFMT_A8R8G8B8, format, D3DFMT_X1R5G5B5}) {
    if (graphics->CreateFullScreenDisplayMode(false, static_cast<unsigned>(width),
                                              static_cast<unsigned>(height), tried)) {
      obtained = true;
      break;
    }
  }
  if (!obtained) ShowStartupMessage("Your video card is not compadible", "ERROR");

  audio = new CDirectAudio8(displayWindow, kAudioChannels);
  input = new CDirectInput8(displayWindow, moduleInstance);
  mouse = input->CreateMouse(width, height);
  keyboard = input->CreateKeyboard();
  font = new CFont(graphics, kFontHeight);
  instance = moduleInstance;
  window = displayWindow;
  cursorVisible = 1;
  cursor =
      graphics->CreateSprite(0, 0, static_cast<float>(art::kCursor.width),
                             static_cast<float>(art::kCursor.height), art::kCursor.path, 255, 255, 255, 255);
  showFps = 0;
}

CEngine::~CEngine() {
  delete font;
  font = nullptr;
  delete cursor;
  cursor = nullptr;
  delete graphics;
  graphics = nullptr;
  delete audio;
  audio = nullptr;
  delete keyboard;
  keyboard = nullptr;
  delete mouse;
  mouse = nullptr;
  delete input;
  input = nullptr;
}

bool CEngine::HasDisplay() const { return graphics && graphics->HasDevice(); }

bool CEngine::Frame() {
  graphics->BeginFrame();
  graphics->ClearScreen(0, 0, 0, 255);
  if (mouse) mouse->Update();
  if (keyboard) keyboard->Read();

  for (int layer = kTopLayer; layer >= 0; --layer) {
    for (int slot = 0; slot < kMaxScreens; ++slot) {
      // Read afresh each time: a screen's Update may register or unregister others.
      CScreen *screen = screens[slot];
      if (!screen || screen->layer != layer || !screen->active) continue;
      if (!screen->Update()) {
        Sleep(kQuitWaitMs);
        graphics->EndFrame();
        return false;
      }
    }
  }

  DrawFps();
  if (cursorVisible && cursor) {
    cursor->MoveTo(static_cast<float>(mouse ? mouse->x : 0), static_cast<float>(mouse ? mouse->y : 0));
    graphics->DrawSprite(cursor);
  }
  graphics->EndFrame();
  return true;
}

void CEngine::DrawFps() {
  uint32_t now = GetTickCount();
  if (!fpsStarted) {
    fpsStarted = true;
    fpsStartTick = now - 1001;
  }
  if (keyboard && keyboard->IsKeyDown(CKeyboard::kF1)) showFps = showFps ? 0 : 1;
  ++frameCount;
  if (!showFps) return;

  uint32_t seconds = (now - fpsStartTick) / 1000;
  // The head start keeps this at 1 or more, until the 32-bit clock wraps.
  uint32_t rate = seconds ? frameCount / seconds : frameCount;
  char text[32];
  std::snprintf(text, sizeof(text), "FPS: %d", static_cast<int>(rate));
  fpsText = text;
  if (!font) return;
  RECT rect{0, 0, 200, 50};
  font->DrawTextA(text, -1, &rect, 0, D3DCOLOR_ARGB(255, 255, 255, 255));
}

bool CEngine::Register(CScreen *screen) {
  if (!screen) return false;
  screen->graphics = graphics;
  screen->audio = audio;
  screen->keyboard = keyboard;
  screen->mouse = mouse;
  screen->font = &font;
  for (CScreen *held : screens)
    if (held == screen) return true;
  for (CScreen *&slot : screens) {
    if (!slot) {
      slot = screen;
      ++screenCount;
      return true;
    }
  }
  return false;
}

bool CEngine::Unregister(CScreen *screen) {
  if (!screen) return false;
  for (CScreen *&slot : screens) {
    if (slot == screen) {
      slot = nullptr;
      --screenCount;
      return true;
    }
  }
  return false;
}
