#include "CGameHarness.h"
#include "TestScreens.h"
#include "app/CEngine.h"
#include "app/CScreenManager.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Events = std::vector<std::string>;

// The game with a stand-in main menu and test screens for ids 2, 3, 5, 4, 6, 8 and 7.
class ScreenManagerTest : public ::testing::Test {
protected:
  ScreenManagerTest() {
    auto screens = std::make_unique<CTestScreenFactory>();
    factory = screens.get();
    factory->configure = [](CTestScreen &screen) {
      screen.setup.fill = 0x806040;
      screen.setup.fillAlpha = 255;
    };
    log = factory->log;
    game = std::make_unique<CGameHarness>(std::move(screens));
  }

  CScreenManager &Manager() { return *game->Manager(); }
  CTestMainMenu *Menu() { return static_cast<CTestMainMenu *>(Manager().MainMenu()); }
  CTestScreen *Screen(int32_t id) { return static_cast<CTestScreen *>(Manager().Find(id)); }
  // The main menu asks for a panel; the next frame's update acts on it.
  Events MenuRequests(int32_t id) {
    Menu()->requestedScreen = id;
    log->Take();
    game->Frame();
    return Updates(log->Take());
  }
  // Only what the manager did: loads, releases, destroys.
  static Events Updates(const Events &events) {
    Events kept;
    for (const std::string &event : events)
      if (event.rfind("update", 0) != 0) kept.push_back(event);
    return kept;
  }

  CTestScreenFactory *factory;
  std::shared_ptr<STestLog> log;
  std::unique_ptr<CGameHarness> game;
};

TEST_F(ScreenManagerTest, StartsWithTheMenuLoadedAndNoScreenCurrent) {
  EXPECT_EQ(log->events, (Events{"load menu"}));
  EXPECT_EQ(Manager().CurrentId(), 0);
  EXPECT_EQ(Manager().Current(), nullptr);
  EXPECT_EQ(Manager().ManagedCount(), 7);
  ASSERT_NE(Menu(), nullptr);
  EXPECT_EQ(game->Engine()->screenCount, 1);
  EXPECT_EQ(game->Engine()->screens[0], Menu());
  for (CTestScreen *screen : factory->made)
    EXPECT_EQ(screen->active, 0) << screen->setup.name;
}

TEST_F(ScreenManagerTest, TheMenusRequestOpensAPanelOverItAndClosesItAgain) {
  EXPECT_EQ(MenuRequests(2), (Events{"load 2"}));
  EXPECT_EQ(Manager().CurrentId(), 2);
  EXPECT_EQ(Screen(2)->layer, 0);
  EXPECT_EQ(game->Engine()->screenCount, 2);

  // Drawn over the menu from the next frame on.
  log->Take();
  game->Frame();
  EXPECT_EQ(log->Take(), (Events{"update menu", "update 2"}));
  EXPECT_EQ(game->Pixel(400, 100), 0x806040u);

  // Another banner: the panel is swapped in the same update.
  EXPECT_EQ(MenuRequests(3), (Events{"release 2", "load 3"}));
  EXPECT_EQ(Manager().CurrentId(), 3);

  // Nothing lit: the panel closes, the menu stays.
  EXPECT_EQ(MenuRequests(0), (Events{"release 3"}));
  EXPECT_EQ(Manager().CurrentId(), 0);
  EXPECT_EQ(game->Engine()->screenCount, 1);
  EXPECT_NE(Menu(), nullptr);
}

TEST_F(ScreenManagerTest, AMatchDestroysTheMenuAndItsEndBuildsAFreshOne) {
  MenuRequests(2);
  // The set-up panel starts the match: released, the host loaded and the menu destroyed at once.
  Screen(2)->next = 6;
  log->Take();
  game->Frame();
  EXPECT_EQ(Updates(log->Take()), (Events{"release 2", "load 6", "release menu", "destroy menu"}));
  EXPECT_EQ(Manager().CurrentId(), 6);
  EXPECT_EQ(Manager().MainMenu(), nullptr);
  EXPECT_EQ(game->Engine()->screenCount, 1);

  // Frames of the match: no menu is drawn or listening.
  game->Frame();
  EXPECT_EQ(log->Take(), (Events{"update 6"}));

  // The match ends with a request for 3: the set-up is loaded and a new menu built in that update...
  Screen(6)->next = 3;
  game->Frame();
  EXPECT_EQ(Updates(log->Take()), (Events{"release 6", "load 3", "load menu"}));
  EXPECT_EQ(factory->menusMade, 2);
  EXPECT_EQ(Manager().CurrentId(), 3);

  // ...and released in the next, because the new menu asks for nothing.
  game->Frame();
  EXPECT_EQ(Updates(log->Take()), (Events{"release 3"}));
  EXPECT_EQ(Manager().CurrentId(), 0);
  EXPECT_EQ(game->Engine()->screenCount, 1);
}

TEST_F(ScreenManagerTest, TheTournamentMatchAlsoReplacesTheMenu) {
  MenuRequests(8);
  Screen(8)->next = 7;
  log->Take();
  game->Frame();
  EXPECT_EQ(Updates(log->Take()), (Events{"release 8", "load 7", "release menu", "destroy menu"}));
  EXPECT_EQ(Manager().MainMenu(), nullptr);
}

TEST_F(ScreenManagerTest, AReloadedScreenHasFreshWidgets) {
  CToggleButton *toggle = nullptr;
  Screen(5)->buildWidgets = [&toggle](CTestScreen &screen) {
    toggle = new CToggleButton(10, 10, 100, 50, FlatSprite(screen, 0, 0, 90, 40, 0x0000C0),
                               FlatSprite(screen, 0, 0, 90, 40, 0x00C000), nullptr);
    screen.AddToggleButton(toggle);
  };
  MenuRequests(5);
  game->Click(150 + 50, 20 + 30);
  ASSERT_EQ(toggle->pressed, 1);

  MenuRequests(0);
  EXPECT_EQ(Screen(5)->toggleButtons.Count(), 0);
  MenuRequests(5);
  ASSERT_EQ(Screen(5)->toggleButtons.Count(), 1);
  EXPECT_EQ(toggle->pressed, 0);
  game->Frame();
  EXPECT_EQ(game->Pixel(150 + 40, 20 + 25), 0x0000C0u); // drawn off (beside the cursor)
}

TEST_F(ScreenManagerTest, ARequestForAnUnknownIdOnlyClosesTheCurrentScreen) {
  MenuRequests(4);
  log->Take();
  EXPECT_FALSE(Manager().SwitchTo(42));
  EXPECT_EQ(log->Take(), (Events{"release 4"}));
  EXPECT_EQ(Manager().Current(), nullptr);
  EXPECT_EQ(Manager().CurrentId(), 0);
  EXPECT_NE(Menu(), nullptr);

  // The same through a screen's request: the screen goes, nothing takes its place, the menu stays.
  MenuRequests(4);
  Screen(4)->next = 42;
  log->Take();
  game->Frame();
  EXPECT_EQ(Updates(log->Take()), (Events{"release 4"}));
  EXPECT_EQ(Manager().CurrentId(), 0);
  EXPECT_NE(Menu(), nullptr);
}

TEST_F(ScreenManagerTest, AScreensRequestForItselfLoadsItAfresh) {
  MenuRequests(5);
  Screen(5)->next = 5;
  log->Take();
  game->Frame();
  EXPECT_EQ(Updates(log->Take()), (Events{"release 5", "load 5"}));
  EXPECT_EQ(Screen(5)->next, 0);
  EXPECT_EQ(game->Engine()->screenCount, 2);
}

TEST_F(ScreenManagerTest, RemoveScreenDestroysTheScreenWithThatId) {
  MenuRequests(3);
  CManagedScreen probe;
  probe.SetId(3);
  log->Take();
  EXPECT_TRUE(Manager().RemoveScreen(&probe));
  EXPECT_EQ(log->Take(), (Events{"release 3", "destroy 3"}));
  EXPECT_EQ(Manager().ManagedCount(), 6);
  EXPECT_EQ(Manager().Find(3), nullptr);
  EXPECT_EQ(Manager().CurrentId(), 0);
  EXPECT_FALSE(Manager().RemoveScreen(&probe));
  EXPECT_EQ(game->Engine()->screenCount, 1);
}

TEST(ScreenManagerListTest, TheNewestScreenWithAnIdIsFoundFirst) {
  auto screens = std::make_unique<CTestScreenFactory>(std::vector<int32_t>{2, 2});
  CTestScreenFactory *factory = screens.get();
  CGameHarness game(std::move(screens));
  ASSERT_EQ(factory->made.size(), 2u);
  EXPECT_TRUE(game.Manager()->SwitchTo(2));
  EXPECT_EQ(game.Manager()->Current(), factory->made[1]);
}

} // namespace
