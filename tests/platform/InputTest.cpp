#include "CTempFolder.h"
#include "platform/CDirectInput8.h"
#include "platform/CDisplayWindow.h"
#include "platform/CKeyboard.h"
#include "platform/CMouse.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class InputTest : public ::testing::Test {
protected:
  void SetUp() override {
    window.reset(CDisplayWindow::OpenHeadless());
    ASSERT_TRUE(window);
    input.reset(new CDirectInput8(window.get(), nullptr));
    mouse.reset(input->CreateMouse(800, 600));
    keyboard.reset(input->CreateKeyboard());
    ASSERT_TRUE(mouse && keyboard);
  }
  // One frame's input as the engine reads it: events pumped, then the mouse and the keyboard read.
  bool Frame() {
    bool close = window->PumpEvents();
    mouse->Update();
    keyboard->Read();
    return close;
  }
  int KeysDown() {
    int count = 0;
    for (int code = 0; code < 256; ++code)
      count += keyboard->IsKeyDown(code);
    return count;
  }

  CTempFolder folder;
  std::unique_ptr<CDisplayWindow> window;
  std::unique_ptr<CDirectInput8> input;
  std::unique_ptr<CMouse> mouse;
  std::unique_ptr<CKeyboard> keyboard;
};

TEST_F(InputTest, EveryKeyTheGameReadsArrivesUnderItsDirectInputCode) {
  struct Key {
    const char *name;
    int code;
  } keys[] = {
      {"Escape", 1},      {"1", 2},
      {"2", 3},           {"3", 4},
      {"4", 5},           {"5", 6},
      {"6", 7},           {"7", 8},
      {"8", 9},           {"9", 10},
      {"0", 11},          {"Backspace", 14},
      {"Left Shift", 42}, {"Right Shift", 54},
      {"F1", 59},         {"A", 0x1E},
      {"B", 0x30},        {"C", 0x2E},
      {"D", 0x20},        {"E", 0x12},
      {"F", 0x21},        {"G", 0x22},
      {"H", 0x23},        {"I", 0x17},
      {"J", 0x24},        {"K", 0x25},
      {"L", 0x26},        {"M", 0x32},
      {"N", 0x31},        {"O", 0x18},
      {"P", 0x19},        {"Q", 0x10},
      {"R", 0x13},        {"S", 0x1F},
      {"T", 0x14},        {"U", 0x16},
      {"V", 0x2F},        {"W", 0x11},
      {"X", 0x2D},        {"Y", 0x15},
      {"Z", 0x2C},
  };
  for (const Key &key : keys) {
    ASSERT_TRUE(CDisplayWindow::PostKeyEvent(key.name, true)) << key.name;
    Frame();
    EXPECT_TRUE(keyboard->IsKeyDown(key.code)) << key.name;
    EXPECT_EQ(KeysDown(), 1) << key.name;
    ASSERT_TRUE(CDisplayWindow::PostKeyEvent(key.name, false));
    Frame();
    EXPECT_EQ(KeysDown(), 0) << key.name;
  }
  EXPECT_FALSE(keyboard->IsKeyDown(-1));
  EXPECT_FALSE(keyboard->IsKeyDown(256));
}

TEST_F(InputTest, AHeldKeyIsDownEveryFrameAndAShortTapForExactlyOne) {
  CDisplayWindow::PostKeyEvent("Escape", true);
  for (int frame = 0; frame < 3; ++frame) {
    Frame();
    EXPECT_TRUE(keyboard->IsKeyDown(1)) << frame;
  }
  CDisplayWindow::PostKeyEvent("Escape", false);
  Frame();
  EXPECT_FALSE(keyboard->IsKeyDown(1));

  // Pressed and released between two frames: seen in the next frame, then gone.
  CDisplayWindow::PostKeyEvent("F1", true);
  CDisplayWindow::PostKeyEvent("F1", false);
  Frame();
  EXPECT_TRUE(keyboard->IsKeyDown(59));
  keyboard->Read(); // a second read in the same frame sees it too
  EXPECT_TRUE(keyboard->IsKeyDown(59));
  Frame();
  EXPECT_FALSE(keyboard->IsKeyDown(59));

  // The same through the input directly, as a test harness feeds it.
  window->Input().KeyDown(2);
  window->Input().KeyUp(2);
  Frame();
  EXPECT_TRUE(keyboard->IsKeyDown(2));
  Frame();
  EXPECT_FALSE(keyboard->IsKeyDown(2));
}

TEST_F(InputTest, CloseRequestsComeFromTheWindowAndAltF4) {
  EXPECT_FALSE(Frame());
  CDisplayWindow::PostKeyEvent("F4", true);
  EXPECT_FALSE(Frame()); // F4 alone is just a key
  CDisplayWindow::PostKeyEvent("F4", false);
  CDisplayWindow::PostKeyEvent("F4", true, true);
  EXPECT_TRUE(Frame());
  EXPECT_FALSE(Frame());
  CDisplayWindow::PostCloseRequest();
  EXPECT_TRUE(Frame());
  EXPECT_FALSE(CDisplayWindow::PostKeyEvent("No Such Key", true));
}

TEST_F(InputTest, MovementIsScaledBySensitivityAndTruncatedAtEveryRead) {
  struct Case {
    float sensitivity;
    int startX;
    int counts;
    int endX;
  } cases[] = {
      {1.5f, 100, 10, 115}, {1.5f, 100, 3, 104}, {1.5f, 100, 1, 101}, {1.5f, 100, -3, 96},
      {1.0f, 100, 1, 101},  {2.0f, 100, 7, 114}, {1.5f, 0, -1, 0},    {2.0f, 790, 50, 800},
  };
  for (const Case &c : cases) {
    mouse->x = c.startX;
    mouse->y = 300;
    mouse->sensitivity = c.sensitivity;
    CDisplayWindow::PostMouseMotion(c.counts, c.counts);
    Frame();
    EXPECT_EQ(mouse->x, c.endX) << c.sensitivity << " x " << c.counts;
    EXPECT_EQ(mouse->y, 300 + static_cast<int>(c.counts * c.sensitivity))
        << c.sensitivity << " x " << c.counts;
  }

  // Fractions are dropped at each read, not carried: three single counts at 1.5 move 3, not 4.
  mouse->x = 100;
  mouse->sensitivity = 1.5f;
  for (int i = 0; i < 3; ++i) {
    window->Input().MouseMotion(1, 0);
    Frame();
  }
  EXPECT_EQ(mouse->x, 103);
}

TEST_F(InputTest, CursorStaysWithinTheDisplayAndReachesItsFarEdges) {
  EXPECT_EQ(mouse->x, 0);
  EXPECT_EQ(mouse->y, 0);
  EXPECT_EQ(mouse->sensitivity, 1.0f);
  window->Input().MouseMotion(-5, -5);
  Frame();
  EXPECT_EQ(mouse->x, 0);
  EXPECT_EQ(mouse->y, 0);
  window->Input().MouseMotion(100000, 100000);
  Frame();
  EXPECT_EQ(mouse->x, 800);
  EXPECT_EQ(mouse->y, 600);
  window->Input().MouseMotion(-1, -1);
  Frame();
  EXPECT_EQ(mouse->x, 799);
  EXPECT_EQ(mouse->y, 599);
  // Absurd movements and sensitivities cannot overflow the position.
  mouse->sensitivity = 1.0e30f;
  window->Input().MouseMotion(2000000000, -2000000000);
  window->Input().MouseMotion(2000000000, -2000000000);
  Frame();
  EXPECT_EQ(mouse->x, 800);
  EXPECT_EQ(mouse->y, 0);
}

TEST_F(InputTest, ButtonsShowAtEveryReadOfAFrameAndMovementOnlyOnce) {
  CDisplayWindow::PostMouseButton(0, true);
  window->Input().MouseMotion(10, 0);
  Frame();
  EXPECT_TRUE(mouse->buttonStates[0] & 0x80);
  EXPECT_EQ(mouse->x, 10);
  mouse->Update(); // the widgets read the mouse again in the same frame
  EXPECT_TRUE(mouse->buttonStates[0] & 0x80);
  EXPECT_EQ(mouse->x, 10);
  EXPECT_EQ(mouse->dx, 0);
  Frame();
  EXPECT_TRUE(mouse->buttonStates[0] & 0x80); // still held
  CDisplayWindow::PostMouseButton(0, false);
  Frame();
  EXPECT_FALSE(mouse->buttonStates[0] & 0x80);

  // A click quicker than a frame still counts, for the whole of one frame.
  CDisplayWindow::PostMouseButton(0, true);
  CDisplayWindow::PostMouseButton(0, false);
  Frame();
  EXPECT_TRUE(mouse->buttonStates[0] & 0x80);
  mouse->Update();
  EXPECT_TRUE(mouse->buttonStates[0] & 0x80);
  Frame();
  EXPECT_FALSE(mouse->buttonStates[0] & 0x80);

  CDisplayWindow::PostMouseButton(1, true);
  Frame();
  EXPECT_TRUE(mouse->buttonStates[1] & 0x80);
  EXPECT_FALSE(mouse->buttonStates[0] & 0x80);
}

TEST_F(InputTest, LosingTheFocusReleasesEverything) {
  window->Input().ButtonDown(0);
  window->Input().KeyDown(1);
  window->Input().MouseMotion(50, 50);
  ASSERT_TRUE(CDisplayWindow::PostFocusLost());
  Frame();
  EXPECT_FALSE(mouse->buttonStates[0] & 0x80);
  EXPECT_FALSE(keyboard->IsKeyDown(1));
  EXPECT_EQ(mouse->x, 0);
}

} // namespace
