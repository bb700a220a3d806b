#include "app/StartupMessage.h"

#include "platform/CDisplayWindow.h"

namespace {
StartupMessageHandler handler = nullptr;
}

void ShowStartupMessage(const char *text, const char *caption) {
  if (handler) {
    handler(text, caption);
  } else {
    ShowMessageBox(text, caption);
  }
}

StartupMessageHandler SetStartupMessageHandler(StartupMessageHandler newHandler) {
  StartupMessageHandler previous = handler;
  handler = newHandler;
  return previous;
}
