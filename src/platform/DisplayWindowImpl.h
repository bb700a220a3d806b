// The system side of CDisplayWindow, shared by the platform's classes only.
#pragma once

#include <SDL.h>

struct SDisplayWindowImpl {
  bool headless = false;
  bool fullScreen = false;
  SDL_Window *window = nullptr;   // null when headless
  SDL_Surface *surface = nullptr; // the headless frame, RGB888; null on screen
  Uint32 subsystems = 0;          // what this window initialised, and quits again
};
