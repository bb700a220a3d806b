// Screens of the tests' own, for testing the shell, the screen manager and the widgets through the
// real engine: a managed screen and a main-menu stand-in that note what happens to them in a shared
// log ("load 2", "update 2", "release 2", "destroy 2", "menu load", ...), fill their rectangle with a
// flat colour (so the drawing order shows in the frame's pixels), and can build widgets on Load and
// act on each Update. A factory hands them to the screen manager.
#pragma once

#include "app/ArtManifest.h"
#include "app/CMainMenuBase.h"
#include "app/CManagedScreen.h"
#include "app/CScreenFactory.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CEngine;
class CSound;
class CSprite;

struct STestLog {
  std::vector<std::string> events;
  // Called from a screen's destructor: whether the engine's devices were still there.
  bool devicesAliveAtLastDestroy = false;

  void Add(const std::string &event) { events.push_back(event); }
  // The events since the last Take, and forgets them.
  std::vector<std::string> Take() {
    std::vector<std::string> taken;
    taken.swap(events);
    return taken;
  }
  int Count(const std::string &event) const;
};

// A picture-less sprite filled with one colour (0xRRGGBB), screen coordinates.
CSprite *FlatSprite(CScreen &screen, int left, int top, int right, int bottom, uint32_t rgb);
// A sprite of the picture at its own size, with its corner at (0, 0).
CSprite *ArtSprite(CScreen &screen, const art::ArtFile &file);
// A sound loaded from the art and attached to the screen's audio.
CSound *AttachedSound(CScreen &screen, const art::ArtFile &file);

// What both test screens share: the log, the name they log under, the fill, the hooks.
struct STestScreenSetup {
  std::string name; // "2", "menu", ...
  int32_t layer = 0;
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  uint32_t fill = 0; // 0xRRGGBB; with fillAlpha 0 nothing is drawn
  int fillAlpha = 0;
  bool drawWidgets = true; // Update runs the widgets as screens do
};

class CTestScreen : public CManagedScreen {
public:
  CTestScreen(CEngine *engine, std::shared_ptr<STestLog> log, STestScreenSetup setup);
  ~CTestScreen() override;

  bool Load() override;
  bool Update() override;
  bool Release() override;

  CEngine *engine;
  std::shared_ptr<STestLog> log;
  STestScreenSetup setup;
  bool updateResult = true;                        // what Update returns
  std::function<void(CTestScreen &)> buildWidgets; // run by Load, after registering
  std::function<void(CTestScreen &)> onUpdate;     // run by Update, after the widgets
  std::unique_ptr<CSprite> fillSprite;
};

class CTestMainMenu : public CMainMenuBase {
public:
  CTestMainMenu(CEngine *engine, std::shared_ptr<STestLog> log);
  ~CTestMainMenu() override;

  bool Load() override;
  bool Update() override;
  bool Release() override;

  CEngine *engine;
  std::shared_ptr<STestLog> log;
  std::unique_ptr<CSprite> fillSprite; // the whole display, dark blue
  bool loaded = false;
  bool updateResult = true;                      // what Update returns
  std::function<void(CTestMainMenu &)> onUpdate; // run by Update, after the widgets
};

// Makes a CTestMainMenu and one CTestScreen per id, in the order given, each over the display's
// middle (150, 20)-(662, 275) in layer 0 unless `configure` changes it. The test keeps pointers.
class CTestScreenFactory : public CScreenFactory {
public:
  explicit CTestScreenFactory(std::vector<int32_t> ids = {2, 3, 5, 4, 6, 8, 7});

  std::unique_ptr<CMainMenuBase> CreateMainMenu(CEngine *engine) override;
  std::vector<SManagedScreen> CreateManagedScreens(CEngine *engine) override;

  std::shared_ptr<STestLog> log = std::make_shared<STestLog>();
  std::vector<int32_t> ids;
  // Called for each screen and each main menu as it is made, to set it up.
  std::function<void(CTestScreen &)> configure;
  std::function<void(CTestMainMenu &)> configureMenu;
  std::vector<CTestScreen *> made; // not owned (the manager owns them)
  int menusMade = 0;
};
