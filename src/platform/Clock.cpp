#include "platform/Clock.h"

#include <SDL.h>

namespace {

class CSystemClock : public CClockSource {
public:
  uint32_t Ticks() override { return SDL_GetTicks(); }
  void Delay(uint32_t milliseconds) override { SDL_Delay(milliseconds); }
};

CSystemClock systemClock;
CClockSource *currentSource = &systemClock;

} // namespace

uint32_t GetTickCount() { return currentSource->Ticks(); }

void Sleep(uint32_t milliseconds) { currentSource->Delay(milliseconds); }

void SetClockSource(CClockSource *source) { currentSource = source ? source : &systemClock; }
