#include "CGameHarness.h"
#include "TestScreens.h"
#include "app/CEngine.h"
#include "app/CScreenManager.h"
#include "platform/CDisplayWindow.h"
#include "platform/CMouse.h"
#include "platform/CSprite.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Events = std::vector<std::string>;

// The game with a stand-in main menu (layer 5, slot 0) and no managed screens; tests add screens of
// their own to the engine's slots.
class EngineTest : public ::testing::Test {
protected:
  EngineTest() {
    auto screens = std::make_unique<CTestScreenFactory>(std::vector<int32_t>{});
    factory = screens.get();
    game = std::make_unique<CGameHarness>(std::move(screens));
    log = factory->log;
  }
  ~EngineTest() override {
    for (auto &screen : extra)
      screen->Release();
    extra.clear();
  }

  // A loaded test screen filling the rectangle with a flat colour.
  CTestScreen *AddScreen(const std::string &name, int32_t layer, uint32_t rgb, int l, int t, int r, int b) {
    STestScreenSetup setup;
    setup.name = name;
    setup.layer = layer;
    setup.left = l;
    setup.top = t;
    setup.right = r;
    setup.bottom = b;
    setup.fill = rgb;
    setup.fillAlpha = 255;
    extra.push_back(std::make_unique<CTestScreen>(game->Engine(), log, setup));
    extra.back()->Load();
    return extra.back().get();
  }

  // How many pixels of the square at (x, y) show something other than the menu's plain colour.
  int MarkedPixels(int x, int y, int size) {
    int marked = 0;
    for (int dy = 0; dy < size; ++dy)
      for (int dx = 0; dx < size; ++dx)
        marked += game->Pixel(x + dx, y + dy) != kMenuColour;
    return marked;
  }
  CTestMainMenu &Menu() { return *static_cast<CTestMainMenu *>(game->Manager()->MainMenu()); }

  static constexpr uint32_t kMenuColour = 0x102040;

  CTestScreenFactory *factory;
  std::unique_ptr<CGameHarness> game;
  std::shared_ptr<STestLog> log;
  std::vector<std::unique_ptr<CTestScreen>> extra;
};

TEST_F(EngineTest, HigherLayersAreDrawnFirstAndOneLayerInSlotOrderSkippingInactiveScreens) {
  // Slots: 0 the menu (layer 5), then in registration order.
  AddScreen("top", 0, 0xFF0000, 100, 100, 300, 300);              // slot 1
  AddScreen("under", 5, 0x00FF00, 200, 200, 400, 400);            // slot 2
  AddScreen("asleep", 0, 0xFFFFFF, 0, 0, 800, 600)->Deactivate(); // slot 3
  AddScreen("over top", 0, 0x0000FF, 250, 250, 350, 350);         // slot 4
  log->Take();

  ASSERT_TRUE(game->Frame());
  EXPECT_EQ(log->Take(), (Events{"update menu", "update under", "update top", "update over top"}));
  EXPECT_EQ(game->Pixel(220, 220), 0xFF0000u); // layer 0 over layer 5, though in a lower slot
  EXPECT_EQ(game->Pixel(320, 320), 0x0000FFu); // same layer: the later slot on top
  EXPECT_EQ(game->Pixel(380, 380), 0x00FF00u);
  EXPECT_EQ(game->Pixel(50, 50), kMenuColour); // the menu beneath everything
}

TEST_F(EngineTest, TwentyFiveSlotsAndNoMore) {
  CEngine &engine = *game->Engine();
  ASSERT_EQ(engine.screenCount, 1); // the menu
  for (int i = 1; i < CEngine::kMaxScreens; ++i)
    AddScreen("s" + std::to_string(i), 0, 0x808080, 0, 0, 10, 10);
  EXPECT_EQ(engine.screenCount, 25);

  CTestScreen spare(&engine, log, STestScreenSetup{});
  EXPECT_FALSE(engine.Register(&spare));
  EXPECT_EQ(engine.screenCount, 25);
  EXPECT_EQ(spare.graphics, engine.graphics); // handed the devices all the same
  EXPECT_EQ(spare.Font(), engine.font);

  // A freed slot is the next one taken; registering twice never takes a second slot.
  CTestScreen *fifth = extra[4].get();
  EXPECT_TRUE(engine.Unregister(fifth));
  EXPECT_FALSE(engine.Unregister(fifth));
  EXPECT_TRUE(engine.Register(&spare));
  EXPECT_EQ(engine.screens[5], &spare);
  EXPECT_TRUE(engine.Register(&spare));
  EXPECT_EQ(engine.screenCount, 25);
  engine.Unregister(&spare);
  engine.Register(fifth);
}

TEST_F(EngineTest, AScreenEndingTheProgramEndsTheFrameAtOnceAfter100Ms) {
  CTestScreen *quitter = AddScreen("quitter", 0, 0x000000, 0, 0, 0, 0);
  AddScreen("later", 0, 0x000000, 0, 0, 0, 0);
  game->PressKey(harness::kF1); // frame-rate text on
  ASSERT_EQ(game->Engine()->showFps, 1);
  game->MoveCursorTo(400, 300);
  ASSERT_TRUE(game->Frame());
  ASSERT_GT(MarkedPixels(400, 300, 15), 0); // the cursor, normally
  uint32_t framesCounted = game->Engine()->FrameCount();
  uint32_t slept = game->Clock().Slept();
  log->Take();

  quitter->updateResult = false;
  EXPECT_FALSE(game->EngineFrame());
  EXPECT_EQ(log->Take(), (Events{"update menu", "update quitter"})); // nothing after it
  EXPECT_EQ(game->Clock().Slept() - slept, 100u);
  EXPECT_EQ(game->Engine()->FrameCount(), framesCounted); // no frame-rate text this frame
  EXPECT_EQ(MarkedPixels(400, 300, 15), 0);               // and no cursor

  // The main loop then closes the program, in the same turn.
  for (auto &screen : extra)
    screen->Release();
  extra.clear();
  Menu().updateResult = false;
  EXPECT_FALSE(game->Frame());
  EXPECT_TRUE(game->IsClosed());
  EXPECT_EQ(log->Count("destroy menu"), 1);
}

TEST_F(EngineTest, F1InvertsTheFrameRateTextOnEveryFrameItIsHeld) {
  CEngine &engine = *game->Engine();
  game->HoldKey(harness::kF1);
  std::vector<int> shown;
  for (int i = 0; i < 3; ++i) {
    game->Frame();
    shown.push_back(engine.showFps);
  }
  game->ReleaseKey(harness::kF1);
  game->Frame();
  shown.push_back(engine.showFps);
  EXPECT_EQ(shown, (std::vector<int>{1, 0, 1, 1}));
}

TEST_F(EngineTest, TheFirstFrameRateIsTheFramesOfTheFirstSecond) {
  CEngine &engine = *game->Engine();
  game->MoveCursorTo(400, 300); // out of the text's way
  game->PressKey(harness::kF1);
  game->Frames(9); // ten frames in no time at all
  EXPECT_EQ(engine.FpsText(), "FPS: 10");
  EXPECT_GT(MarkedPixels(0, 0, 40), 0); // drawn in the top-left corner

  game->Advance(1000); // 2.001 s since the head start: 20 frames / 2 s
  game->Frames(10);
  EXPECT_EQ(engine.FpsText(), "FPS: 10");
}

TEST_F(EngineTest, TheCursorIsDrawnWithItsCornerAtTheMouse) {
  game->MoveCursorTo(123, 45);
  game->Frame();
  EXPECT_EQ(game->CursorX(), 123);
  EXPECT_EQ(game->CursorY(), 45);
  EXPECT_GT(MarkedPixels(123, 45, 15), 20);
  EXPECT_EQ(MarkedPixels(108, 30, 15), 0); // nothing up and left of its corner

  game->Engine()->HideCursor();
  game->Frame();
  EXPECT_EQ(MarkedPixels(123, 45, 15), 0);
  game->Engine()->ShowCursor();

  game->MoveCursorTo(800, 600);
  game->Frame();
  CSprite &cursor = *game->Engine()->cursor;
  EXPECT_EQ(cursor.left, 800.0f);
  EXPECT_EQ(cursor.top, 600.0f);
  EXPECT_EQ(MarkedPixels(785, 585, 15), 0); // outside the visible area
}

TEST_F(EngineTest, MoveCursorToLandsOnTheTargetOrNextToIt) {
  // At sensitivity 1 every point is reached, and at any sensitivity the edges are; otherwise one
  // read of the mouse moves in steps of the sensitivity, and the cursor lands within a pixel.
  struct Case {
    float sensitivity;
    int x, y;
    bool mustBeExact;
  } cases[] = {
      {1.0f, 17, 583, true},   {1.0f, 799, 1, true}, {1.5f, 400, 301, false}, {1.5f, 3, 4, false},
      {2.0f, 250, 251, false}, {2.0f, 0, 600, true}, {2.0f, 800, 0, true},
  };
  for (const Case &c : cases) {
    game->Engine()->mouse->sensitivity = c.sensitivity;
    bool exact = game->MoveCursorTo(c.x, c.y);
    game->Frame();
    if (c.mustBeExact) {
      EXPECT_TRUE(exact) << c.sensitivity << " " << c.x << "," << c.y;
    }
    int tolerance = exact ? 0 : 1;
    EXPECT_NEAR(game->CursorX(), c.x, tolerance) << c.sensitivity << " " << c.x << "," << c.y;
    EXPECT_NEAR(game->CursorY(), c.y, tolerance) << c.sensitivity << " " << c.x << "," << c.y;
  }
}

} // namespace
