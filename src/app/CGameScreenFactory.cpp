#include "app/CGameScreenFactory.h"

#include "screens/CMainMenuScreen.h"

std::unique_ptr<CMainMenuBase> CGameScreenFactory::CreateMainMenu(CEngine *engine) {
  return std::make_unique<CMainMenuScreen>(engine);
}

std::vector<CScreenFactory::SManagedScreen> CGameScreenFactory::CreateManagedScreens(CEngine * /*engine*/) {
  std::vector<SManagedScreen> screens;
  // In this order, as each arrives:
  //   screens.push_back({screen_id::kFreePlaySetup, std::make_unique<CFreePlaySetupScreen>(engine)});
  //   kTwoPlayerSetup, kOptions, kLoadGame, kMatch, kTournamentSetup, kTournamentMatch.
  return screens;
}
