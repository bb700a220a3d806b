#include "screens/CMainMenuScreen.h"

#include "app/ArtManifest.h"
#include "app/CEngine.h"
#include "platform/CDirectGraphics8.h"
#include "platform/CSprite.h"

namespace {

std::unique_ptr<CSprite> MakeSprite(CDirectGraphics8 *graphics, const art::ArtFile &file) {
  if (!graphics) return nullptr;
  return std::unique_ptr<CSprite>(graphics->CreateSprite(
      0, 0, static_cast<float>(file.width), static_cast<float>(file.height), file.path, 255, 255, 255, 255));
}

} // namespace

CMainMenuScreen::CMainMenuScreen(CEngine *owner) : engine(owner) {}

CMainMenuScreen::~CMainMenuScreen() { Release(); }

bool CMainMenuScreen::Load() {
  SetRect(0, 0, 800, 600);
  if (engine) engine->Register(this);
  Activate();
  layer = kLayer;
  requestedScreen = 0;
  background = MakeSprite(graphics, art::kMainBackground);
  logo = MakeSprite(graphics, art::kLogo);
  return true;
}

bool CMainMenuScreen::Update() {
  if (!active) return true;
  if (background && graphics) graphics->DrawSprite(background.get());
  if (logo && graphics) {
    logo->MoveTo(261, 25);
    graphics->DrawSprite(logo.get());
  }
  DispatchWidgetInput();
  DrawWidgets();
  return true;
}

bool CMainMenuScreen::Release() {
  if (engine) engine->Unregister(this);
  background.reset();
  logo.reset();
  ClearWidgets();
  return true;
}
