// The one place a set of screens is made: the screen manager asks its factory for the main menu (at
// start-up and again after every match) and, once, for the managed screens. The game passes its own
// set (CGameScreenFactory); tests pass screens of their own.
#pragma once

#include "app/CMainMenuBase.h"
#include "app/CManagedScreen.h"

#include <cstdint>
#include <memory>
#include <vector>

class CEngine;

class CScreenFactory {
public:
  struct SManagedScreen {
    int32_t id;
    std::unique_ptr<CManagedScreen> screen;
  };

  virtual ~CScreenFactory() = default;

  // A new main menu, not loaded yet.
  virtual std::unique_ptr<CMainMenuBase> CreateMainMenu(CEngine *engine) = 0;
  // Every managed screen with its id, in the order the manager adds them. None is loaded.
  virtual std::vector<SManagedScreen> CreateManagedScreens(CEngine *engine) = 0;
};
