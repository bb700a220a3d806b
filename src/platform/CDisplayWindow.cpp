#include "platform/CDisplayWindow.h"

#include "platform/CKeyboard.h"
#include "platform/DisplayWindowImpl.h"

#include <cstdio>

namespace {

std::string lastError;

// SDL's scan codes (USB usage ids) onto DirectInput's key codes (the PC keyboard's set-1 scan codes).
int DirectInputKeyCode(SDL_Scancode scancode) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
    return CKeyboard::kLetterKeys[scancode - SDL_SCANCODE_A];
  // SDL orders the top row 1-9 then 0, as DirectInput does (2-10, then 11).
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_0) return 0x02 + (scancode - SDL_SCANCODE_1);
  if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F10) return 0x3B + (scancode - SDL_SCANCODE_F1);
  switch (scancode) {
  case SDL_SCANCODE_ESCAPE:
    return 0x01;
  case SDL_SCANCODE_MINUS:
    return 0x0C;
  case SDL_SCANCODE_EQUALS:
    return 0x0D;
  case SDL_SCANCODE_BACKSPACE:
    return 0x0E;
  case SDL_SCANCODE_TAB:
    return 0x0F;
  case SDL_SCANCODE_LEFTBRACKET:
    return 0x1A;
  case SDL_SCANCODE_RIGHTBRACKET:
    return 0x1B;
  case SDL_SCANCODE_RETURN:
    return 0x1C;
  case SDL_SCANCODE_LCTRL:
    return 0x1D;
  case SDL_SCANCODE_SEMICOLON:
    return 0x27;
  case SDL_SCANCODE_APOSTROPHE:
    return 0x28;
  case SDL_SCANCODE_GRAVE:
    return 0x29;
  case SDL_SCANCODE_LSHIFT:
    return 0x2A;
  case SDL_SCANCODE_BACKSLASH:
    return 0x2B;
  case SDL_SCANCODE_NONUSHASH:
    return 0x2B;
  case SDL_SCANCODE_COMMA:
    return 0x33;
  case SDL_SCANCODE_PERIOD:
    return 0x34;
  case SDL_SCANCODE_SLASH:
    return 0x35;
  case SDL_SCANCODE_RSHIFT:
    return 0x36;
  case SDL_SCANCODE_KP_MULTIPLY:
    return 0x37;
  case SDL_SCANCODE_LALT:
    return 0x38;
  case SDL_SCANCODE_SPACE:
    return 0x39;
  case SDL_SCANCODE_CAPSLOCK:
    return 0x3A;
  case SDL_SCANCODE_NUMLOCKCLEAR:
    return 0x45;
  case SDL_SCANCODE_SCROLLLOCK:
    return 0x46;
  case SDL_SCANCODE_KP_7:
    return 0x47;
  case SDL_SCANCODE_KP_8:
    return 0x48;
  case SDL_SCANCODE_KP_9:
    return 0x49;
  case SDL_SCANCODE_KP_MINUS:
    return 0x4A;
  case SDL_SCANCODE_KP_4:
    return 0x4B;
  case SDL_SCANCODE_KP_5:
    return 0x4C;
  case SDL_SCANCODE_KP_6:
    return 0x4D;
  case SDL_SCANCODE_KP_PLUS:
    return 0x4E;
  case SDL_SCANCODE_KP_1:
    return 0x4F;
  case SDL_SCANCODE_KP_2:
    return 0x50;
  case SDL_SCANCODE_KP_3:
    return 0x51;
  case SDL_SCANCODE_KP_0:
    return 0x52;
  case SDL_SCANCODE_KP_PERIOD:
    return 0x53;
  case SDL_SCANCODE_NONUSBACKSLASH:
    return 0x56;
  case SDL_SCANCODE_F11:
    return 0x57;
  case SDL_SCANCODE_F12:
    return 0x58;
  case SDL_SCANCODE_KP_ENTER:
    return 0x9C;
  case SDL_SCANCODE_RCTRL:
    return 0x9D;
  case SDL_SCANCODE_KP_DIVIDE:
    return 0xB5;
  case SDL_SCANCODE_PRINTSCREEN:
    return 0xB7;
  case SDL_SCANCODE_RALT:
    return 0xB8;
  case SDL_SCANCODE_PAUSE:
    return 0xC5;
  case SDL_SCANCODE_HOME:
    return 0xC7;
  case SDL_SCANCODE_UP:
    return 0xC8;
  case SDL_SCANCODE_PAGEUP:
    return 0xC9;
  case SDL_SCANCODE_LEFT:
    return 0xCB;
  case SDL_SCANCODE_RIGHT:
    return 0xCD;
  case SDL_SCANCODE_END:
    return 0xCF;
  case SDL_SCANCODE_DOWN:
    return 0xD0;
  case SDL_SCANCODE_PAGEDOWN:
    return 0xD1;
  case SDL_SCANCODE_INSERT:
    return 0xD2;
  case SDL_SCANCODE_DELETE:
    return 0xD3;
  case SDL_SCANCODE_LGUI:
    return 0xDB;
  case SDL_SCANCODE_RGUI:
    return 0xDC;
  case SDL_SCANCODE_APPLICATION:
    return 0xDD;
  default:
    return 0;
  }
}

// SDL numbers mouse buttons 1 left, 2 middle, 3 right, 4 and 5 the side buttons; DirectInput 0 left,
// 1 right, 2 middle, 3 and 4.
int DirectInputButton(Uint8 sdlButton) {
  switch (sdlButton) {
  case SDL_BUTTON_LEFT:
    return 0;
  case SDL_BUTTON_RIGHT:
    return 1;
  case SDL_BUTTON_MIDDLE:
    return 2;
  case SDL_BUTTON_X1:
    return 3;
  case SDL_BUTTON_X2:
    return 4;
  default:
    return -1;
  }
}

Uint8 SdlButton(int button) {
  switch (button) {
  case 0:
    return SDL_BUTTON_LEFT;
  case 1:
    return SDL_BUTTON_RIGHT;
  case 2:
    return SDL_BUTTON_MIDDLE;
  case 3:
    return SDL_BUTTON_X1;
  case 4:
    return SDL_BUTTON_X2;
  default:
    return 0;
  }
}

// A program without a window must still be stoppable with Ctrl+C, so SDL is kept from taking over
// SIGINT and SIGTERM while it starts its event queue for one.
bool InitEventsWithoutSignalHandlers() {
  const char *old = SDL_GetHint(SDL_HINT_NO_SIGNAL_HANDLERS);
  std::string saved = old ? old : "";
  bool hadHint = old != nullptr;
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  bool ok = SDL_InitSubSystem(SDL_INIT_EVENTS) == 0;
  if (hadHint) {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, saved.c_str());
  } else {
    SDL_ResetHint(SDL_HINT_NO_SIGNAL_HANDLERS);
  }
  return ok;
}

bool PushEvent(SDL_Event &event) {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return false;
  return SDL_PushEvent(&event) == 1;
}

bool PostWindowEvent(Uint8 windowEvent) {
  SDL_Event event;
  SDL_zero(event);
  event.type = SDL_WINDOWEVENT;
  event.window.event = windowEvent;
  return PushEvent(event);
}

} // namespace

CDisplayWindow::CDisplayWindow() : impl(new SDisplayWindowImpl) {}

CDisplayWindow::~CDisplayWindow() {
  if (impl->window) {
    SDL_SetRelativeMouseMode(SDL_FALSE);
    SDL_DestroyWindow(impl->window);
  }
  if (impl->surface) SDL_FreeSurface(impl->surface);
  if (impl->subsystems) SDL_QuitSubSystem(impl->subsystems);
  // The last of SDL's users frees what SDL keeps for the whole process (hints, the event queue).
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}

const std::string &CDisplayWindow::LastError() { return lastError; }

CDisplayWindow *CDisplayWindow::OpenFullScreen(const char *title) { return OpenOnScreen(title, true); }

CDisplayWindow *CDisplayWindow::OpenWindowed(const char *title) { return OpenOnScreen(title, false); }

CDisplayWindow *CDisplayWindow::OpenOnScreen(const char *title, bool fullScreen) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    lastError = std::string("no video: ") + SDL_GetError();
    return nullptr;
  }
  CDisplayWindow *display = new CDisplayWindow;
  display->impl->subsystems = SDL_INIT_VIDEO;
  display->impl->fullScreen = fullScreen;
  Uint32 flags = fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
  display->impl->window = SDL_CreateWindow(title ? title : "", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                           kWidth, kHeight, flags);
  if (!display->impl->window) {
    lastError = std::string("no window: ") + SDL_GetError();
    delete display;
    return nullptr;
  }
  // The mouse is read as relative movement and the game draws its own cursor, as a game that owns the
  // mouse while it is in front.
  SDL_SetRelativeMouseMode(SDL_TRUE);
  return display;
}

CDisplayWindow *CDisplayWindow::OpenHeadless() {
  CDisplayWindow *display = new CDisplayWindow;
  display->impl->headless = true;
  if (InitEventsWithoutSignalHandlers()) display->impl->subsystems = SDL_INIT_EVENTS;
  display->impl->surface = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_RGB888);
  if (!display->impl->surface) {
    lastError = std::string("no frame surface: ") + SDL_GetError();
    delete display;
    return nullptr;
  }
  SDL_FillRect(display->impl->surface, nullptr, 0);
  return display;
}

bool CDisplayWindow::IsHeadless() const { return impl->headless; }

bool CDisplayWindow::PumpEvents() {
  bool closeRequested = false;
  if (impl->subsystems) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
      switch (event.type) {
      case SDL_QUIT:
        closeRequested = true;
        break;
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) closeRequested = true;
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) input.ReleaseAll();
        break;
      case SDL_KEYDOWN:
        if (event.key.keysym.scancode == SDL_SCANCODE_F4 && (event.key.keysym.mod & KMOD_ALT))
          closeRequested = true;
        if (!event.key.repeat) input.KeyDown(DirectInputKeyCode(event.key.keysym.scancode));
        break;
      case SDL_KEYUP:
        input.KeyUp(DirectInputKeyCode(event.key.keysym.scancode));
        break;
      case SDL_MOUSEMOTION:
        input.MouseMotion(event.motion.xrel, event.motion.yrel);
        break;
      case SDL_MOUSEBUTTONDOWN:
        input.ButtonDown(DirectInputButton(event.button.button));
        break;
      case SDL_MOUSEBUTTONUP:
        input.ButtonUp(DirectInputButton(event.button.button));
        break;
      case SDL_MOUSEWHEEL: {
        // DirectInput counts the wheel in steps of 120.
        int steps = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
        input.MouseMotion(0, 0, steps * 120);
        break;
      }
      default:
        break;
      }
    }
  }
  // Key code 0 collects keys that have no DirectInput code; nothing reads it.
  input.KeyUp(0);
  input.Commit();
  return closeRequested;
}

bool CDisplayWindow::PostKeyEvent(const char *keyName, bool down, bool altHeld) {
  if (!keyName) return false;
  SDL_Scancode scancode = SDL_GetScancodeFromName(keyName);
  if (scancode == SDL_SCANCODE_UNKNOWN) return false;
  SDL_Event event;
  SDL_zero(event);
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.scancode = scancode;
  event.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
  event.key.keysym.mod = altHeld ? KMOD_LALT : KMOD_NONE;
  return PushEvent(event);
}

bool CDisplayWindow::PostMouseMotion(int dx, int dy) {
  SDL_Event event;
  SDL_zero(event);
  event.type = SDL_MOUSEMOTION;
  event.motion.xrel = dx;
  event.motion.yrel = dy;
  return PushEvent(event);
}

bool CDisplayWindow::PostMouseButton(int button, bool down) {
  Uint8 sdlButton = SdlButton(button);
  if (!sdlButton) return false;
  SDL_Event event;
  SDL_zero(event);
  event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  event.button.button = sdlButton;
  event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.button.clicks = 1;
  return PushEvent(event);
}

bool CDisplayWindow::PostCloseRequest() { return PostWindowEvent(SDL_WINDOWEVENT_CLOSE); }

bool CDisplayWindow::PostFocusLost() { return PostWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST); }

void ShowMessageBox(const char *text, const char *caption) {
  std::fprintf(stderr, "%s: %s\n", caption ? caption : "", text ? text : "");
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption ? caption : "", text ? text : "", nullptr);
}
