#include "CTempFolder.h"
#include "TestFiles.h"
#include "platform/CDirectAudio8.h"
#include "platform/CDirectGraphics8.h"
#include "platform/CDirectInput8.h"
#include "platform/CDisplayWindow.h"
#include "platform/CKeyboard.h"
#include "platform/CLogFile.h"
#include "platform/CMouse.h"
#include "platform/CSprite.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

TEST(LogFile, EachRunStartsTheFileAfreshAndEveryMessageIsOnDiskAtOnce) {
  CTempFolder folder;
  WriteBytes("Test Log.txt", {'o', 'l', 'd', ' ', 'r', 'u', 'n', '\n'});
  CLogFile log("Test Log.txt");
  EXPECT_EQ(ReadTextFile("Test Log.txt"), "");
  log.Write("first");
  EXPECT_EQ(ReadTextFile("Test Log.txt"), "first");
  log.Write(" and ");
  log.Write(static_cast<uint64_t>(42));
  EXPECT_EQ(ReadTextFile("Test Log.txt"), "first and 42");
  log.Write("\n", false);
  log.Write("next\n");
  EXPECT_EQ(ReadTextFile("Test Log.txt"), "first and 42\nnext\n");
}

TEST(LogFile, ALogThatCannotBeOpenedSwallowsItsMessages) {
  CTempFolder folder;
  CLogFile log("no such folder/Log.txt");
  log.Write("nothing");
  log.Write(7);
  std::string longName(400, 'n');
  CLogFile cut(longName.c_str());
  EXPECT_EQ(std::string(cut.Name()).size(), 255u);
}

TEST(LogFile, ANormalRunLogsTheDisplayModeAndEndsWithEnd) {
  CTempFolder folder;
  WriteBytes("CDirectGraphics8 Log.txt", {'s', 't', 'a', 'l', 'e'});
  {
    std::unique_ptr<CDisplayWindow> window(CDisplayWindow::OpenHeadless());
    CDirectGraphics8 graphics(window.get());
    EXPECT_EQ(ReadTextFile("CDirectGraphics8 Log.txt"), "");
    ASSERT_TRUE(graphics.CreateFullScreenDisplayMode(false, 800, 600, D3DFMT_A8R8G8B8));
    CDirectAudio8 audio(window.get(), 64);
    CDirectInput8 input(window.get(), nullptr);
    std::unique_ptr<CMouse> mouse(input.CreateMouse(800, 600));
    std::unique_ptr<CKeyboard> keyboard(input.CreateKeyboard());
    std::string log = ReadTextFile("CDirectGraphics8 Log.txt");
    EXPECT_EQ(log.find(" Width: 800 Height: 600 Format: D3DFMT_A8R8G8B8\nObtained screen mode!\n"
                       "Available video memory amount: "),
              0u)
        << log;
    EXPECT_EQ(log.back(), '\n');
  }
  std::string log = ReadTextFile("CDirectGraphics8 Log.txt");
  ASSERT_GE(log.size(), 6u);
  EXPECT_EQ(log.substr(log.size() - 6), "\n\nEND\n");
  EXPECT_EQ(ReadTextFile("CDirectInput8 Log.txt"), "");
  EXPECT_EQ(ReadTextFile("CDirectAudio8 Log.txt"), "");
}

TEST(LogFile, FailuresWithoutLineBreaksRunTogether) {
  CTempFolder folder;
  std::unique_ptr<CDisplayWindow> window(CDisplayWindow::OpenHeadless());
  {
    CDirectGraphics8 graphics(window.get());
    graphics.CreateFullScreenDisplayMode(false, 800, 600, D3DFMT_A8R8G8B8);
    delete graphics.CreateSprite(0, 0, 10, 10, "Graphics/Gui/Missing.bmp", 255, 255, 255, 255);
    delete graphics.CreateSprite(0, 0, 10, 10, "Graphics/Gui/Missing.bmp", 255, 255, 255, 255);
    delete graphics.CreateSprite(0, 0, 10, 10, nullptr, 255, 255, 255, 255); // no file: nothing to fail
    std::string log = ReadTextFile("CDirectGraphics8 Log.txt");
    EXPECT_NE(log.find("\nFAIL TO LOAD TEXTUREFAIL TO LOAD TEXTURE"), std::string::npos) << log;
    EXPECT_EQ(log.find("FAIL TO LOAD TEXTUREFAIL TO LOAD TEXTUREFAIL"), std::string::npos) << log;
  }
  {
    CDirectInput8 input(nullptr, nullptr);
    EXPECT_EQ(input.CreateMouse(800, 600), nullptr);
    EXPECT_EQ(input.CreateKeyboard(), nullptr);
  }
  EXPECT_EQ(ReadTextFile("CDirectInput8 Log.txt"),
            "Could not initialize DirectInput8Could not create mouse!Could not create keyboard!");
}

TEST(LogFile, AGraphicsDeviceWithoutAWindowLogsEachFailedAttempt) {
  CTempFolder folder;
  {
    CDirectGraphics8 graphics(nullptr);
    for (int format : {D3DFMT_A8R8G8B8, D3DFMT_R5G6B5, D3DFMT_X1R5G5B5})
      EXPECT_FALSE(graphics.CreateFullScreenDisplayMode(false, 800, 600, format));
  }
  const std::string failed = "CreateFullScreenDisplayMode(): Could not do software vertex handling\n"
                             "Could not obtain screen mode!\n";
  EXPECT_EQ(ReadTextFile("CDirectGraphics8 Log.txt"),
            "CDirectGraphics8 failed to initialize - Direct3D interface == NULL"
            " Width: 800 Height: 600 Format: D3DFMT_A8R8G8B8\n" +
                failed + " Width: 800 Height: 600 Format: D3DFMT_R5G6B5\n" + failed +
                " Width: 800 Height: 600 Format: D3DFMT_X1R5G5B5\n" + failed + "\n\nEND\n");
}

} // namespace
