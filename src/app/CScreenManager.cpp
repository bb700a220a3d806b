#include "app/CScreenManager.h"

CScreenManager::CScreenManager(CEngine *owner, std::unique_ptr<CScreenFactory> screens)
    : engine(owner), factory(std::move(screens)) {
  if (!factory) return;
  BuildMainMenu();
  for (CScreenFactory::SManagedScreen &entry : factory->CreateManagedScreens(engine)) {
    if (!entry.screen) continue;
    entry.screen->SetId(entry.id);
    AddScreen(entry.screen.release());
  }
}

CScreenManager::~CScreenManager() {
  // A screen is never destroyed while it holds a drawing slot or the resources its Load built.
  if (current) current->Release();
  current = nullptr;
  currentId = 0;
  DestroyMainMenu();
  managedScreens.clear();
  managedCount = 0;
}

bool CScreenManager::AddScreen(CManagedScreen *screen) {
  if (!screen) return false;
  managedScreens.emplace_front(screen);
  ++managedCount;
  return true;
}

bool CScreenManager::RemoveScreen(CManagedScreen *screen) {
  if (!screen) return false;
  int32_t id = screen->GetId();
  auto before = managedScreens.before_begin();
  for (auto it = managedScreens.begin(); it != managedScreens.end(); before = it, ++it) {
    if ((*it)->GetId() != id) continue;
    if (it->get() == current) {
      current->Release();
      current = nullptr;
      currentId = 0;
    }
    managedScreens.erase_after(before);
    --managedCount;
    return true;
  }
  return false;
}

CManagedScreen *CScreenManager::Find(int32_t id) const {
  CManagedScreen probe;
  probe.SetId(id);
  for (const auto &screen : managedScreens)
    if (screen->IsSameScreen(&probe)) return screen.get();
  return nullptr;
}

bool CScreenManager::SwitchTo(int32_t id) {
  CManagedScreen *found = Find(id);
  if (current) current->Release();
  if (!found) {
    current = nullptr;
    currentId = 0;
    return false;
  }
  current = found;
  currentId = found->GetId();
  found->Load();
  return true;
}

int32_t CScreenManager::Update() {
  if (mainMenu && mainMenu->active && mainMenu->requestedScreen != currentId)
    SwitchTo(mainMenu->requestedScreen);
  if (current && current->GetNext() != 0) SwitchTo(current->GetNext());

  if (currentId == screen_id::kMatch || currentId == screen_id::kTournamentMatch) {
    DestroyMainMenu();
  } else if (!mainMenu) {
    BuildMainMenu();
  }
  return 1;
}

void CScreenManager::BuildMainMenu() {
  if (!factory) return;
  mainMenu = factory->CreateMainMenu(engine);
  if (mainMenu) mainMenu->Load();
}

void CScreenManager::DestroyMainMenu() {
  if (!mainMenu) return;
  mainMenu->Release();
  mainMenu.reset();
}
