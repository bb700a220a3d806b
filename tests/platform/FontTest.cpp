#include "CHeadlessGraphics.h"
#include "platform/CDirectGraphics8.h"
#include "platform/CFont.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

class FontTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(headless.Ready());
    font.reset(new CFont(graphics, 24));
    ASSERT_TRUE(font->IsLoaded());
    graphics->BeginFrame();
    graphics->ClearScreen(0, 0, 0, 255);
  }
  void TearDown() override {
    // Every run leaves its last frame for a person to look at.
    SaveFrameForLooking(graphics, PngName() + ".png");
  }
  static std::string PngName() {
    const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string(info->test_suite_name()) + "." + info->name();
  }

  // The bounding box of the pixels where `frame` differs from `reference`, or an empty box (right <
  // left) when none does.
  static RECT ChangedArea(const std::vector<uint32_t> &reference, const std::vector<uint32_t> &frame) {
    RECT box{800, 600, -1, -1};
    for (int y = 0; y < 600; ++y) {
      for (int x = 0; x < 800; ++x) {
        size_t i = static_cast<size_t>(y) * 800 + x;
        if (reference[i] == frame[i]) continue;
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
        box.right = std::max(box.right, x);
        box.bottom = std::max(box.bottom, y);
      }
    }
    return box;
  }
  // The lit (not black) pixels' bounding box.
  RECT LitArea() {
    std::vector<uint32_t> frame;
    graphics->ReadFrame(frame);
    return ChangedArea(std::vector<uint32_t>(frame.size(), 0), frame);
  }
  // Draws the text and returns the bounding box of the pixels it changed.
  RECT Drawn(const char *text, RECT rect, uint32_t colour) {
    std::vector<uint32_t> before, after;
    graphics->ReadFrame(before);
    font->DrawTextA(text, -1, &rect, 0, colour);
    graphics->ReadFrame(after);
    return ChangedArea(before, after);
  }

  CHeadlessGraphics headless;
  CDirectGraphics8 *graphics = headless.graphics.get();
  std::unique_ptr<CFont> font;
};

TEST_F(FontTest, TheCalligraphicFaceIsFound) { EXPECT_NE(font->FaceFile().find("Z003"), std::string::npos); }

TEST_F(FontTest, TextIsDrawnFromTheTopLeftOfItsRectangleInItsColour) {
  RECT rect{100, 100, 700, 200};
  int height = font->DrawTextA("Ravelmark awaits", -1, &rect, 0, D3DCOLOR_ARGB(255, 255, 255, 0));
  EXPECT_GE(height, 20);
  EXPECT_LE(height, 40);
  RECT lit = LitArea();
  EXPECT_GE(lit.left, 100);
  EXPECT_LE(lit.left, 110);
  EXPECT_GE(lit.top, 100);
  EXPECT_LE(lit.top, 112);
  EXPECT_GT(lit.right, 250); // a string of this length is wide
  EXPECT_LT(lit.bottom, 100 + height);
  // Yellow: some pixel is full yellow, and none has any blue.
  std::vector<uint32_t> frame;
  graphics->ReadFrame(frame);
  bool fullYellow = false;
  for (uint32_t p : frame) {
    EXPECT_EQ(p & 0xFF, 0u);
    if (p == 0xFFFF00u) fullYellow = true;
  }
  EXPECT_TRUE(fullYellow);
}

TEST_F(FontTest, TextIsClippedAtTheRectanglesEdges) {
  RECT narrow{100, 100, 140, 200};
  font->DrawTextA("Champion of the Board", -1, &narrow, 0, D3DCOLOR_ARGB(255, 255, 255, 255));
  RECT lit = LitArea();
  EXPECT_GE(lit.left, 100);
  EXPECT_EQ(lit.right, 139);

  graphics->ClearScreen(0, 0, 0, 255);
  RECT shallow{100, 300, 700, 310};
  font->DrawTextA("Champion of the Board", -1, &shallow, 0, D3DCOLOR_ARGB(255, 255, 255, 255));
  lit = LitArea();
  EXPECT_GE(lit.top, 300);
  EXPECT_LE(lit.bottom, 309);

  graphics->ClearScreen(0, 0, 0, 255);
  RECT empty{100, 100, 100, 200};
  EXPECT_EQ(font->DrawTextA("Nothing", -1, &empty, 0, D3DCOLOR_ARGB(255, 255, 255, 255)), 0);
  EXPECT_LT(LitArea().right, LitArea().left);
}

TEST_F(FontTest, CountLimitsTheTextAndRenderedStringsAreKept) {
  RECT rect{10, 10, 790, 60};
  font->DrawTextA("FPS: 60", -1, &rect, 0, D3DCOLOR_ARGB(255, 255, 255, 255));
  int wide = LitArea().right;
  graphics->ClearScreen(0, 0, 0, 255);
  font->DrawTextA("FPS: 60", 3, &rect, 0, D3DCOLOR_ARGB(255, 255, 255, 255));
  EXPECT_LT(LitArea().right, wide);
  EXPECT_EQ(font->CachedStrings(), 2);
  for (int frame = 0; frame < 10; ++frame)
    font->DrawTextA("FPS: 60", -1, &rect, 0, 0xFFFFFFFF);
  EXPECT_EQ(font->CachedStrings(), 2);
  for (int i = 0; i < 1000; ++i)
    font->DrawTextA(std::to_string(i).c_str(), -1, &rect, 0, 0xFFFFFFFF);
  EXPECT_LE(font->CachedStrings(), 256);
  EXPECT_EQ(font->DrawTextA(nullptr, -1, &rect, 0, 0xFFFFFFFF), 0);
  EXPECT_EQ(font->DrawTextA("x", -1, nullptr, 0, 0xFFFFFFFF), 0);
  EXPECT_EQ(font->DrawTextA("", -1, &rect, 0, 0xFFFFFFFF), 0);
}

TEST_F(FontTest, ASampleOfTheGamesTextDrawsEveryLineInsideItsRectangle) {
  graphics->ClearScreen(20, 24, 40, 255);
  const char *lines[] = {"White's turn",
                         "Black has won the match!",
                         "Enter a name: Player1",
                         "FPS: 143",
                         "ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789",
                         "Enter a name: Player1_"};
  std::vector<RECT> boxes;
  int y = 20;
  for (const char *line : lines) {
    RECT rect{20, y, 780, y + 40};
    uint32_t colour = y % 80 ? D3DCOLOR_ARGB(255, 255, 255, 0) : D3DCOLOR_ARGB(255, 255, 255, 255);
    boxes.push_back(Drawn(line, rect, colour));
    const RECT &box = boxes.back();
    EXPECT_LE(box.left, box.right) << line; // something was drawn
    EXPECT_GE(box.left, rect.left) << line;
    EXPECT_GE(box.top, rect.top) << line;
    EXPECT_LT(box.right, rect.right) << line;
    EXPECT_LT(box.bottom, rect.bottom) << line;
    y += 30;
  }
  // The input box's caret shows: the name with an underscore after it reaches further right.
  EXPECT_GT(boxes[5].right, boxes[2].right + 3);

  RECT clipped = Drawn("Clipped at 100 pixels", RECT{20, y, 120, y + 40}, D3DCOLOR_ARGB(255, 255, 255, 255));
  EXPECT_GE(clipped.right, 100);
  EXPECT_LT(clipped.right, 120);
}

} // namespace
