// Decides which managed screen is current and switches between them, between frames, on the requests
// the screens post during a frame: the main menu's `requestedScreen` and the current screen's `next`.
// Switching releases the old screen and loads the new one; a screen is never destroyed by a switch,
// only released and later loaded afresh. Drawing is a separate matter: a screen's Load registers it
// with the engine and its Release unregisters it.
//
// The manager owns the main menu and every managed screen. While a match screen (6 or 7) is current
// the main menu does not exist: it is destroyed in the update that starts the match and built and
// loaded again in the update that leaves it.
#pragma once

#include "app/CMainMenuBase.h"
#include "app/CManagedScreen.h"
#include "app/CScreenFactory.h"

#include <cstdint>
#include <forward_list>
#include <memory>

class CEngine;

class CScreenManager {
public:
  // Creates and loads the main menu, then creates every managed screen of the factory (not loaded);
  // no managed screen is current.
  CScreenManager(CEngine *engine, std::unique_ptr<CScreenFactory> factory);
  // Releases the current screen and the main menu, then destroys every screen.
  virtual ~CScreenManager();
  CScreenManager(const CScreenManager &) = delete;
  CScreenManager &operator=(const CScreenManager &) = delete;

  // Takes ownership and puts the screen at the head of the list (the list is searched newest first).
  virtual bool AddScreen(CManagedScreen *screen);
  // Destroys the listed screen that carries the given screen's id (releasing it first if current).
  // False when none does.
  virtual bool RemoveScreen(CManagedScreen *screen);
  // The step after every frame: acts on the main menu's request, then on the current screen's
  // `next`, then destroys or rebuilds the main menu. Returns 1.
  virtual int32_t Update();

  // Releases the current screen and loads the one with this id, which becomes current. With no such
  // screen (0 included) only the release happens, nothing is current afterwards, and it returns false.
  bool SwitchTo(int32_t id);

  int32_t CurrentId() const { return currentId; }
  CManagedScreen *Current() const { return current; }
  CMainMenuBase *MainMenu() const { return mainMenu.get(); }
  int32_t ManagedCount() const { return managedCount; }
  // The listed screen with this id (the newest, should two share one), or null.
  CManagedScreen *Find(int32_t id) const;

private:
  // A new main menu from the factory, loaded at once.
  void BuildMainMenu();
  void DestroyMainMenu();

  std::forward_list<std::unique_ptr<CManagedScreen>> managedScreens; // newest first
  int32_t managedCount = 0;
  int32_t currentId = 0;
  CManagedScreen *current = nullptr; // one of managedScreens
  CEngine *engine;
  std::unique_ptr<CMainMenuBase> mainMenu; // null while a match is played
  std::unique_ptr<CScreenFactory> factory;
};
