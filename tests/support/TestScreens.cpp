#include "TestScreens.h"

#include "app/CEngine.h"
#include "platform/CDirectAudio8.h"
#include "platform/CDirectGraphics8.h"
#include "platform/CSound.h"
#include "platform/CSprite.h"

#include <algorithm>

int STestLog::Count(const std::string &event) const {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

CSprite *FlatSprite(CScreen &screen, int left, int top, int right, int bottom, uint32_t rgb) {
  if (!screen.graphics) return nullptr;
  return screen.graphics->CreateSprite(static_cast<float>(left), static_cast<float>(top),
                                       static_cast<float>(right), static_cast<float>(bottom), nullptr,
                                       (rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255, 255);
}

CSprite *ArtSprite(CScreen &screen, const art::ArtFile &file) {
  if (!screen.graphics) return nullptr;
  return screen.graphics->CreateSprite(0, 0, static_cast<float>(file.width), static_cast<float>(file.height),
                                       file.path, 255, 255, 255, 255);
}

CSound *AttachedSound(CScreen &screen, const art::ArtFile &file) {
  CSound *sound = new CSound;
  sound->Load(file.path);
  if (screen.audio) screen.audio->Attach(sound);
  return sound;
}

namespace {
bool DevicesAlive(CEngine *engine) { return engine && engine->graphics && engine->audio && engine->font; }
} // namespace

// --- CTestScreen ---------------------------------------------------------------------------------

CTestScreen::CTestScreen(CEngine *owner, std::shared_ptr<STestLog> sharedLog, STestScreenSetup screenSetup)
    : engine(owner), log(std::move(sharedLog)), setup(std::move(screenSetup)) {}

CTestScreen::~CTestScreen() {
  log->devicesAliveAtLastDestroy = DevicesAlive(engine);
  log->Add("destroy " + setup.name);
}

bool CTestScreen::Load() {
  log->Add("load " + setup.name);
  next = 0;
  SetRect(setup.left, setup.top, setup.right, setup.bottom);
  engine->Register(this);
  Activate();
  layer = setup.layer;
  if (setup.fillAlpha > 0) {
    fillSprite.reset(FlatSprite(*this, left, top, right, bottom, setup.fill));
    if (fillSprite)
      fillSprite->SetColour((setup.fill >> 16) & 255, (setup.fill >> 8) & 255, setup.fill & 255,
                            setup.fillAlpha);
  }
  if (buildWidgets) buildWidgets(*this);
  return true;
}

bool CTestScreen::Update() {
  log->Add("update " + setup.name);
  if (!active) return true;
  if (fillSprite && graphics) graphics->DrawSprite(fillSprite.get());
  if (setup.drawWidgets) {
    DispatchWidgetInput();
    DrawWidgets();
  }
  if (onUpdate) onUpdate(*this);
  return updateResult;
}

bool CTestScreen::Release() {
  log->Add("release " + setup.name);
  engine->Unregister(this);
  fillSprite.reset();
  ClearWidgets();
  return true;
}

// --- CTestMainMenu -------------------------------------------------------------------------------

CTestMainMenu::CTestMainMenu(CEngine *owner, std::shared_ptr<STestLog> sharedLog)
    : engine(owner), log(std::move(sharedLog)) {}

CTestMainMenu::~CTestMainMenu() {
  if (loaded) Release();
  log->devicesAliveAtLastDestroy = DevicesAlive(engine);
  log->Add("destroy menu");
}

bool CTestMainMenu::Load() {
  log->Add("load menu");
  SetRect(0, 0, 800, 600);
  engine->Register(this);
  Activate();
  layer = 5;
  requestedScreen = 0;
  fillSprite.reset(FlatSprite(*this, 0, 0, 800, 600, 0x102040));
  loaded = true;
  return true;
}

bool CTestMainMenu::Update() {
  log->Add("update menu");
  if (!active) return true;
  if (fillSprite && graphics) graphics->DrawSprite(fillSprite.get());
  DispatchWidgetInput();
  DrawWidgets();
  if (onUpdate) onUpdate(*this);
  return updateResult;
}

bool CTestMainMenu::Release() {
  log->Add("release menu");
  engine->Unregister(this);
  fillSprite.reset();
  ClearWidgets();
  loaded = false;
  return true;
}

// --- CTestScreenFactory --------------------------------------------------------------------------

CTestScreenFactory::CTestScreenFactory(std::vector<int32_t> screenIds) : ids(std::move(screenIds)) {}

std::unique_ptr<CMainMenuBase> CTestScreenFactory::CreateMainMenu(CEngine *engine) {
  ++menusMade;
  auto menu = std::make_unique<CTestMainMenu>(engine, log);
  if (configureMenu) configureMenu(*menu);
  return menu;
}

std::vector<CScreenFactory::SManagedScreen> CTestScreenFactory::CreateManagedScreens(CEngine *engine) {
  std::vector<SManagedScreen> screens;
  for (int32_t id : ids) {
    STestScreenSetup setup;
    setup.name = std::to_string(id);
    setup.left = 150;
    setup.top = 20;
    setup.right = 662;
    setup.bottom = 275;
    auto screen = std::make_unique<CTestScreen>(engine, log, setup);
    if (configure) configure(*screen);
    made.push_back(screen.get());
    screens.push_back({id, std::move(screen)});
  }
  return screens;
}
