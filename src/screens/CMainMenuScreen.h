// The main menu, the screen under everything outside a match (layer 5, the whole display).
// For now it shows the menu's background and logo and offers no banners: it requests no panel, so
// the game starts, shows its cursor, and closes cleanly on the window's close request.
#pragma once

#include "app/CMainMenuBase.h"

#include <memory>

class CEngine;
class CSprite;

class CMainMenuScreen : public CMainMenuBase {
public:
  static constexpr int32_t kLayer = 5;

  explicit CMainMenuScreen(CEngine *engine);
  ~CMainMenuScreen() override;

  bool Load() override;
  bool Update() override;
  // Safe to call more than once.
  bool Release() override;

  CEngine *engine;

private:
  std::unique_ptr<CSprite> background;
  std::unique_ptr<CSprite> logo;
};
