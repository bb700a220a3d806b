#include "platform/CDirectInput8.h"

#include "platform/CDisplayWindow.h"
#include "platform/CKeyboard.h"
#include "platform/CLogFile.h"
#include "platform/CMouse.h"

CDirectInput8::CDirectInput8(CDisplayWindow *displayWindow, void *moduleInstance)
    : source(displayWindow ? &displayWindow->Input() : nullptr), window(displayWindow),
      instance(moduleInstance), log(new CLogFile("CDirectInput8 Log.txt")) {
  if (!source) log->Write("Could not initialize DirectInput8");
}

CDirectInput8::~CDirectInput8() { delete log; }

CKeyboard *CDirectInput8::CreateKeyboard() {
  if (!source) {
    log->Write("Could not create keyboard!");
    return nullptr;
  }
  return new CKeyboard(source);
}

CMouse *CDirectInput8::CreateMouse(int maxX, int maxY) {
  if (!source) {
    log->Write("Could not create mouse!");
    return nullptr;
  }
  return new CMouse(source, maxX, maxY);
}
