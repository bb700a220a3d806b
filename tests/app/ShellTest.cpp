#include "CGameHarness.h"
#include "CTempFolder.h"
#include "CTestClock.h"
#include "TestFiles.h"
#include "TestScreens.h"
#include "app/CChessApp.h"
#include "app/CEngine.h"
#include "app/CMainFrame.h"
#include "app/CScreenManager.h"
#include "app/DataFolder.h"
#include "app/StartupMessage.h"
#include "platform/CDisplayWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> messages;
void RecordMessage(const char *text, const char *caption) {
  messages.push_back(std::string(caption) + ": " + text);
}

// Puts the message box back whatever happens.
struct SMessageRecorder {
  SMessageRecorder() {
    messages.clear();
    previous = SetStartupMessageHandler(RecordMessage);
  }
  ~SMessageRecorder() { SetStartupMessageHandler(previous); }
  StartupMessageHandler previous;
};

TEST(ShellTest, EveryCloseRequestRunsTheCloseHandlerScreensFirst) {
  struct Case {
    const char *what;
    void (*request)(CGameHarness &);
  } cases[] = {
      {"the window's close button", [](CGameHarness &) { CDisplayWindow::PostCloseRequest(); }},
      {"Alt+F4", [](CGameHarness &) { CDisplayWindow::PostKeyEvent("F4", true, true); }},
      {"a close posted by the game", [](CGameHarness &game) { game.RequestClose(); }},
  };
  for (const Case &c : cases) {
    auto screens = std::make_unique<CTestScreenFactory>(std::vector<int32_t>{2, 3});
    auto log = screens->log;
    CGameHarness game(std::move(screens));
    static_cast<CTestMainMenu *>(game.Manager()->MainMenu())->requestedScreen = 2;
    ASSERT_TRUE(game.Frame()) << c.what;
    log->Take();

    c.request(game);
    EXPECT_FALSE(game.Frame()) << c.what;
    EXPECT_TRUE(game.IsClosed()) << c.what;
    EXPECT_EQ(game.Engine(), nullptr) << c.what;
    // The open panel is released, then the menu; every screen is destroyed while the devices live.
    EXPECT_EQ(log->Take(), (std::vector<std::string>{"release 2", "release menu", "destroy menu", "destroy 3",
                                                     "destroy 2"}))
        << c.what;
    EXPECT_TRUE(log->devicesAliveAtLastDestroy) << c.what;
    EXPECT_FALSE(game.Frame()) << c.what; // nothing runs after the close
  }
}

TEST(ShellTest, TheGameRunsUntilAScreenEndsItAndExitsCleanly) {
  CTempFolder folder;
  CTestClock clock;
  auto screens = std::make_unique<CTestScreenFactory>(std::vector<int32_t>{});
  auto log = screens->log;
  int updates = 0;
  screens->configureMenu = [&updates](CTestMainMenu &menu) {
    menu.onUpdate = [&updates](CTestMainMenu &self) { self.updateResult = ++updates < 5; };
  };
  CChessApp app(std::move(screens));
  EXPECT_EQ(app.Run(CChessApp::Display::Headless), 0);
  EXPECT_EQ(updates, 5);
  EXPECT_EQ(log->Count("destroy menu"), 1);
  EXPECT_EQ(clock.Slept(), 100u);
  // The graphics device's log was closed with its end marker.
  std::string graphicsLog = ReadTextFile("CDirectGraphics8 Log.txt");
  EXPECT_NE(graphicsLog.find("END"), std::string::npos);
}

TEST(ShellTest, WithoutADisplayThePlayerIsToldAndTheProgramEndsWithAFailure) {
  CTempFolder folder;
  SMessageRecorder recorder;
  const char *old = std::getenv("SDL_VIDEODRIVER");
  std::string saved = old ? old : "";
  setenv("SDL_VIDEODRIVER", "no-such-video-driver", 1);
  auto screens = std::make_unique<CTestScreenFactory>(std::vector<int32_t>{2});
  auto log = screens->log;
  int status = -1;
  {
    CChessApp app(std::move(screens));
    status = app.Run(CChessApp::Display::Windowed);
  }
  if (old) {
    setenv("SDL_VIDEODRIVER", saved.c_str(), 1);
  } else {
    unsetenv("SDL_VIDEODRIVER");
  }
  EXPECT_NE(status, 0);
  EXPECT_EQ(messages, (std::vector<std::string>{"ERROR: Your video card is not compadible"}));
  EXPECT_TRUE(log->events.empty()); // no screen was ever made
}

TEST(ShellTest, AnEngineWithoutAWindowReportsOnceAndBuildsNoScreens) {
  CTempFolder folder;
  SMessageRecorder recorder;
  auto screens = std::make_unique<CTestScreenFactory>();
  auto log = screens->log;
  CMainFrame frame(nullptr, std::move(screens));
  EXPECT_FALSE(frame.IsRunning());
  EXPECT_EQ(frame.Manager(), nullptr);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_TRUE(log->events.empty());
  // The graphics log says what was tried.
  std::string graphicsLog = ReadTextFile("CDirectGraphics8 Log.txt");
  EXPECT_NE(graphicsLog.find("A8R8G8B8"), std::string::npos) << graphicsLog;
  frame.OnClose();
  frame.OnClose(); // a second close finds nothing left
  EXPECT_TRUE(frame.QuitPosted());
}

TEST(ShellTest, TheDataFolderIsTheExecutablesFolder) {
  EXPECT_EQ(std::filesystem::canonical(ExecutableFolder(nullptr)),
            std::filesystem::canonical(TESTS_BINARY_DIR));
}

TEST(ShellTest, TheGameStartsOnItsMainMenuWithTheCursor) {
  CGameHarness game;
  CScreenManager &manager = *game.Manager();
  ASSERT_NE(manager.MainMenu(), nullptr);
  EXPECT_EQ(manager.MainMenu()->layer, 5);
  EXPECT_EQ(manager.CurrentId(), 0);
  game.MoveCursorTo(400, 450);
  game.Frame();
  EXPECT_TRUE(game.SaveFrame("shell-main-menu.png"));
  // The menu's background fills the display (not black), the cursor stands at the mouse.
  int black = 0;
  for (int y = 0; y < 600; y += 50)
    for (int x = 0; x < 800; x += 50)
      black += game.Pixel(x, y) == 0;
  EXPECT_LT(black, 10);
  EXPECT_EQ(game.Audio().StopAllCount(), 0);

  game.RequestClose();
  EXPECT_FALSE(game.Frame());
}

} // namespace
