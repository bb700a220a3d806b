// The game's own set of screens: the one place where the real main menu and the managed screens are
// made, in the order the manager adds them (Free Play set-up 2, Two Player set-up 3, Options 5,
// Load Game 4, the match host 6, then the Tournament set-up 8 and the tournament match 7).
// Screens that are not built yet are simply left out: a request for them finds nothing and closes
// whatever panel is open.
#pragma once

#include "app/CScreenFactory.h"

class CGameScreenFactory : public CScreenFactory {
public:
  std::unique_ptr<CMainMenuBase> CreateMainMenu(CEngine *engine) override;
  std::vector<SManagedScreen> CreateManagedScreens(CEngine *engine) override;
};
