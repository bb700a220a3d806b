#include "CHeadlessGraphics.h"
#include "CTempFolder.h"
#include "TestFiles.h"
#include "platform/CDirectGraphics8.h"
#include "platform/CFont.h"
#include "platform/CSprite.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

int Red(uint32_t rgb) { return (rgb >> 16) & 255; }
int Green(uint32_t rgb) { return (rgb >> 8) & 255; }
int Blue(uint32_t rgb) { return rgb & 255; }

class GraphicsTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(headless.Ready());
    ASSERT_TRUE(graphics->BeginFrame());
    graphics->ClearScreen(0, 0, 0, 255);
  }

  std::unique_ptr<CSprite> Sprite(float left, float top, float right, float bottom, const char *file,
                                  int red = 255, int green = 255, int blue = 255, int alpha = 255) {
    return std::unique_ptr<CSprite>(
        graphics->CreateSprite(left, top, right, bottom, file, red, green, blue, alpha));
  }
  uint32_t Pixel(int x, int y) { return graphics->GetPixel(x, y); }

  CHeadlessGraphics headless;
  CDirectGraphics8 *graphics = headless.graphics.get();
};

TEST_F(GraphicsTest, PureBlackIsTransparentAndNearBlackIsNot) {
  // black, near-black, red, black
  WriteBmp("key.bmp", 4, 1, {0x000000, 0x010101, 0xFF0000, 0x000000});
  graphics->ClearScreen(0, 0, 255, 255);
  auto sprite = Sprite(10, 10, 14, 11, "key.bmp");
  ASSERT_TRUE(sprite->HasTexture());
  EXPECT_TRUE(graphics->DrawSprite(sprite.get()));
  EXPECT_EQ(Pixel(10, 10), 0x0000FFu);
  EXPECT_EQ(Pixel(11, 10), 0x010101u);
  EXPECT_EQ(Pixel(12, 10), 0xFF0000u);
  EXPECT_EQ(Pixel(13, 10), 0x0000FFu);
}

TEST_F(GraphicsTest, TintMultipliesColourAndAlphaFades) {
  WriteSolidBmp("white.bmp", 8, 8, 0xFFFFFF);
  WriteSolidBmp("grey.bmp", 8, 8, 0x808080);
  graphics->ClearScreen(0, 0, 0, 255);
  auto tinted = Sprite(0, 0, 8, 8, "white.bmp", 255, 128, 0, 255);
  auto faded = Sprite(20, 0, 28, 8, "white.bmp", 255, 255, 255, 10);
  auto both = Sprite(40, 0, 48, 8, "grey.bmp", 255, 0, 255, 255);
  graphics->DrawSprite(tinted.get());
  graphics->DrawSprite(faded.get());
  graphics->DrawSprite(both.get());
  EXPECT_EQ(Pixel(4, 4), 0xFF8000u);
  // 10 / 255 is about 4 % of white over black.
  EXPECT_NEAR(Red(Pixel(24, 4)), 10, 1);
  EXPECT_NEAR(Green(Pixel(24, 4)), 10, 1);
  EXPECT_EQ(Pixel(44, 4), 0x800080u);

  // The fade also lets what lies beneath show through: 4 % white over blue (the blend rounds down).
  graphics->ClearScreen(0, 0, 200, 255);
  graphics->DrawSprite(faded.get());
  EXPECT_NEAR(Red(Pixel(24, 4)), 10, 1);
  EXPECT_NEAR(Blue(Pixel(24, 4)), 200 + (255 - 200) * 10 / 255, 2);
  // Half strength over the same blue, where a wrong blend would show plainly.
  faded->SetColour(255, 255, 255, 128);
  graphics->ClearScreen(0, 0, 200, 255);
  graphics->DrawSprite(faded.get());
  EXPECT_NEAR(Red(Pixel(24, 4)), 128, 2);
  EXPECT_NEAR(Blue(Pixel(24, 4)), 228, 2);

  // Changing the tint later changes the next draw.
  tinted->SetColour(0, 255, 0, 255);
  graphics->DrawSprite(tinted.get());
  EXPECT_EQ(Pixel(4, 4), 0x00FF00u);
}

TEST_F(GraphicsTest, UprightFalseMirrorsTopToBottomAndTrueRestores) {
  // Top row red, bottom row green, left column brighter so a sideways flip would show too.
  WriteBmp("arrow.bmp", 2, 2, {0xFF0000, 0x800000, 0x00FF00, 0x008000});
  auto sprite = Sprite(0, 0, 2, 2, "arrow.bmp");
  graphics->DrawSprite(sprite.get());
  EXPECT_EQ(Pixel(0, 0), 0xFF0000u);
  EXPECT_EQ(Pixel(1, 0), 0x800000u);
  EXPECT_EQ(Pixel(0, 1), 0x00FF00u);

  sprite->SetUpright(false);
  graphics->DrawSprite(sprite.get());
  EXPECT_EQ(Pixel(0, 0), 0x00FF00u);
  EXPECT_EQ(Pixel(1, 0), 0x008000u);
  EXPECT_EQ(Pixel(0, 1), 0xFF0000u);

  sprite->SetUpright(true);
  graphics->DrawSprite(sprite.get());
  EXPECT_EQ(Pixel(0, 0), 0xFF0000u);
  EXPECT_EQ(Pixel(0, 1), 0x00FF00u);
}

TEST_F(GraphicsTest, BitmapIsResampledToItsRectangle) {
  // Four quadrants of colour, 2 x 2, stretched over 40 x 40.
  WriteBmp("quads.bmp", 2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF});
  auto sprite = Sprite(100, 100, 140, 140, "quads.bmp");
  EXPECT_EQ(sprite->TextureWidth(), 40);
  EXPECT_EQ(sprite->TextureHeight(), 40);
  graphics->DrawSprite(sprite.get());
  auto near = [](uint32_t got, uint32_t want) {
    return std::abs(Red(got) - Red(want)) <= 24 && std::abs(Green(got) - Green(want)) <= 24 &&
           std::abs(Blue(got) - Blue(want)) <= 24;
  };
  EXPECT_PRED2(near, Pixel(102, 102), 0xFF0000u);
  EXPECT_PRED2(near, Pixel(137, 102), 0x00FF00u);
  EXPECT_PRED2(near, Pixel(102, 137), 0x0000FFu);
  EXPECT_PRED2(near, Pixel(137, 137), 0xFFFFFFu);
  EXPECT_EQ(Pixel(99, 99), 0u);
  EXPECT_EQ(Pixel(140, 140), 0u);
}

TEST_F(GraphicsTest, TextureSizeIsTheRectangleTruncatedAndAbsolute) {
  WriteSolidBmp("pic.bmp", 4, 4, 0x336699);
  struct Case {
    float left, top, right, bottom;
    int width, height;
  } cases[] = {
      {0, 0, 15, 15, 15, 15},
      {0, 0, 799, 599, 799, 599},
      {10.9f, 0, 0, 7.9f, 10, 7},     // right of less than left: still a positive width
      {0.5f, 0.5f, 3.4f, 2.2f, 2, 1}, // 2.9 and 1.7 truncated
  };
  for (const Case &c : cases) {
    auto sprite = Sprite(c.left, c.top, c.right, c.bottom, "pic.bmp");
    EXPECT_EQ(sprite->TextureWidth(), c.width) << c.left << "," << c.right;
    EXPECT_EQ(sprite->TextureHeight(), c.height) << c.top << "," << c.bottom;
  }
}

TEST_F(GraphicsTest, SpritesWhollyOffTheDisplayAreSkippedAndEdgeTouchersDrawn) {
  struct Case {
    float left, top;
    bool drawn;
  } cases[] = {
      {800, 100, true}, {801, 100, false}, {-10, 100, true}, {-10.5f, 100, false},
      {100, 600, true}, {100, 601, false}, {100, -10, true}, {100, -10.5f, false},
  };
  for (const Case &c : cases) {
    auto sprite = Sprite(c.left, c.top, c.left + 10, c.top + 10, nullptr);
    EXPECT_EQ(graphics->DrawSprite(sprite.get()), c.drawn) << c.left << "," << c.top;
  }
  // A sprite hanging over the bottom-right corner covers the last pixel.
  auto corner = Sprite(795, 595, 805, 605, nullptr, 0, 255, 0, 255);
  EXPECT_TRUE(graphics->DrawSprite(corner.get()));
  EXPECT_EQ(Pixel(799, 599), 0x00FF00u);
  EXPECT_FALSE(graphics->DrawSprite(nullptr));
}

TEST_F(GraphicsTest, LaterDrawsCoverEarlierOnesAcrossEveryKindOfSprite) {
  WriteSolidBmp("red.bmp", 20, 20, 0xFF0000);
  WriteSolidBmp("dot.bmp", 1, 1, 0x00FF00);
  auto big = Sprite(0, 0, 20, 20, "red.bmp");
  auto dot = Sprite(5, 5, 6, 6, "dot.bmp");
  auto plain = Sprite(8, 8, 10, 10, nullptr, 0, 0, 255, 255);
  graphics->DrawSprite(dot.get()); // covered by the picture below
  graphics->DrawSprite(big.get());
  graphics->DrawSprite(plain.get()); // on the picture
  dot->MoveTo(9, 9);
  graphics->DrawSprite(dot.get()); // on the plain rectangle
  EXPECT_EQ(Pixel(5, 5), 0xFF0000u);
  EXPECT_EQ(Pixel(8, 8), 0x0000FFu);
  EXPECT_EQ(Pixel(9, 9), 0x00FF00u);
  EXPECT_EQ(Pixel(10, 10), 0xFF0000u);
}

TEST_F(GraphicsTest, MoveToKeepsTheSizeAndOffsetEdgesStretches) {
  WriteSolidBmp("panel.bmp", 255, 127, 0x20C040);
  auto sprite = Sprite(0, 0, 255, 127, "panel.bmp");
  sprite->MoveTo(100, 200);
  EXPECT_EQ(sprite->left, 100);
  EXPECT_EQ(sprite->top, 200);
  EXPECT_EQ(sprite->right, 355);
  EXPECT_EQ(sprite->bottom, 327);
  graphics->DrawSprite(sprite.get());
  EXPECT_EQ(Pixel(100, 200), 0x20C040u);
  EXPECT_EQ(Pixel(354, 326), 0x20C040u);
  EXPECT_EQ(Pixel(355, 326), 0u);
  EXPECT_EQ(Pixel(354, 327), 0u);
  EXPECT_EQ(Pixel(99, 200), 0u);

  graphics->ClearScreen(0, 0, 0, 255);
  sprite->OffsetEdges(-100, -200, 100, 0);
  EXPECT_EQ(sprite->TextureWidth(), 255); // the texture keeps its size; the picture stretches
  graphics->DrawSprite(sprite.get());
  EXPECT_EQ(Pixel(0, 0), 0x20C040u);
  EXPECT_EQ(Pixel(454, 326), 0x20C040u);
  EXPECT_EQ(Pixel(455, 326), 0u);
}

TEST_F(GraphicsTest, StretchedPicturesAreFilteredSmoothlyWithoutDarkEdgesFadedOrNot) {
  // Red beside green, stretched ten times: the colours run into each other, plain or faded.
  WriteBmp("pair.bmp", 2, 1, {0xFF0000, 0x00FF00});
  for (int alpha : {255, 150}) {
    SCOPED_TRACE(alpha);
    graphics->ClearScreen(0, 0, 0, 255);
    auto sprite = Sprite(0, 0, 2, 1, "pair.bmp", 255, 255, 255, alpha);
    sprite->OffsetEdges(0, 0, 18, 9);
    graphics->DrawSprite(sprite.get());
    EXPECT_NEAR(Red(Pixel(1, 5)), alpha, 1);
    EXPECT_EQ(Green(Pixel(1, 5)), 0);
    EXPECT_NEAR(Green(Pixel(18, 5)), alpha, 1);
    EXPECT_EQ(Red(Pixel(18, 5)), 0);
    uint32_t middle = Pixel(10, 5);
    EXPECT_GT(Red(middle), alpha / 4);
    EXPECT_GT(Green(middle), alpha / 4);
  }

  // White beside a transparent pixel, over grey: the edge fades from white to the grey beneath, never
  // through the black that stands for transparency.
  WriteBmp("edge.bmp", 2, 1, {0xFFFFFF, 0x000000});
  for (int alpha : {255, 150}) {
    SCOPED_TRACE(alpha);
    graphics->ClearScreen(128, 128, 128, 255);
    auto sprite = Sprite(0, 0, 2, 1, "edge.bmp", 255, 255, 255, alpha);
    sprite->OffsetEdges(0, 0, 18, 9);
    graphics->DrawSprite(sprite.get());
    for (int x = 0; x < 20; ++x)
      EXPECT_GE(Red(Pixel(x, 5)), 127) << x;
    EXPECT_GT(Red(Pixel(1, 5)), 128 + (255 - 128) * alpha / 255 - 3);
    EXPECT_EQ(Pixel(19, 5), 0x808080u);
  }
}

TEST_F(GraphicsTest, AStretchedPictureReachingOffTheDisplayShowsTheSamePixelsWhereverItIsCut) {
  // A picture of many colours, some transparent, stretched ten times: drawn whole on the display,
  // and moved up and left by whole texels so that much of it lies off the display, the part still
  // showing is the same (but for the filter's rounding), upright or flipped, plain or faded.
  std::vector<uint32_t> pixels;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x)
      pixels.push_back((x * 37 + y * 11) % 7 == 0 ? 0u : uint32_t(x * 6) << 16 | uint32_t(y * 8) << 8 | 0x40);
  }
  WriteBmp("many.bmp", 40, 30, pixels);
  for (bool upright : {true, false}) {
    for (int alpha : {255, 150}) {
      SCOPED_TRACE(::testing::Message() << "upright " << upright << ", alpha " << alpha);
      auto sprite = Sprite(0, 0, 40, 30, "many.bmp", 255, 255, 255, alpha);
      sprite->SetUpright(upright);
      sprite->OffsetEdges(0, 0, 360, 270);
      sprite->MoveTo(300, 200);
      graphics->ClearScreen(0, 0, 90, 255);
      graphics->DrawSprite(sprite.get());
      std::vector<uint32_t> whole;
      ASSERT_TRUE(graphics->ReadFrame(whole));
      sprite->MoveTo(-200, -150);
      graphics->ClearScreen(0, 0, 90, 255);
      graphics->DrawSprite(sprite.get());
      std::vector<uint32_t> cut;
      ASSERT_TRUE(graphics->ReadFrame(cut));
      int differing = 0;
      for (int y = 0; y < 250; ++y) {
        for (int x = 0; x < 200; ++x) {
          uint32_t a = whole[static_cast<size_t>(y + 350) * 800 + x + 500],
                   b = cut[static_cast<size_t>(y) * 800 + x];
          if (std::abs(Red(a) - Red(b)) > 4 || std::abs(Green(a) - Green(b)) > 4 ||
              std::abs(Blue(a) - Blue(b)) > 4)
            ++differing;
        }
      }
      EXPECT_EQ(differing, 0);
      EXPECT_EQ(cut[static_cast<size_t>(260) * 800 + 210], 0x00005Au); // beyond the picture
    }
  }
}

TEST_F(GraphicsTest, MissingOrDamagedBitmapGivesAnUntexturedSpriteFilledWithItsTint) {
  WriteBytes("damaged.bmp", {'B', 'M', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
  // A header that claims a picture of 2 billion by 2 billion pixels.
  WriteBytes("huge.bmp", {'B', 'M', 0, 0, 0, 0, 0,    0, 0, 0, 54,   0, 0, 0,  40,
                          0,   0,   0, 0, 0, 0, 0x7F, 0, 0, 0, 0x7F, 1, 0, 24, 0});
  const char *files[] = {"no such file.bmp", "damaged.bmp", "huge.bmp"};
  for (const char *file : files) {
    graphics->ClearScreen(0, 0, 0, 255);
    auto sprite = Sprite(10, 10, 20, 20, file, 0, 0, 200, 255);
    EXPECT_FALSE(sprite->HasTexture()) << file;
    EXPECT_TRUE(graphics->DrawSprite(sprite.get()));
    EXPECT_EQ(Pixel(15, 15), 0x0000C8u) << file;
    EXPECT_EQ(Pixel(20, 20), 0u) << file;
  }
}

TEST_F(GraphicsTest, SinglePixelSpritesDrawTheirPixelTintedAndTransparentOnesNothing) {
  WriteSolidBmp("pixel.bmp", 1, 1, 0xC0C0C0);
  WriteSolidBmp("black.bmp", 1, 1, 0x000000);
  graphics->ClearScreen(0, 0, 100, 255);
  auto pixel = Sprite(0, 0, 1, 1, "pixel.bmp", 255, 128, 0, 255);
  auto hole = Sprite(0, 0, 1, 1, "black.bmp");
  for (int i = 0; i < 100; ++i) {
    pixel->MoveTo(static_cast<float>(100 + i), 50);
    graphics->DrawSprite(pixel.get());
  }
  hole->MoveTo(120, 50);
  graphics->DrawSprite(hole.get());
  EXPECT_EQ(Pixel(99, 50), 0x000064u);
  EXPECT_EQ(Pixel(100, 50), 0xC06000u);
  EXPECT_EQ(Pixel(120, 50), 0xC06000u);
  EXPECT_EQ(Pixel(199, 50), 0xC06000u);
  EXPECT_EQ(Pixel(200, 50), 0x000064u);
  EXPECT_EQ(Pixel(150, 51), 0x000064u);

  // Half transparent: blended like any picture.
  pixel->SetColour(255, 255, 255, 128);
  pixel->MoveTo(300, 300);
  graphics->DrawSprite(pixel.get());
  EXPECT_NEAR(Red(Pixel(300, 300)), 0xC0 / 2, 2);
  EXPECT_NEAR(Blue(Pixel(300, 300)), 0xC0 / 2 + 100 / 2, 2);
}

TEST_F(GraphicsTest, FrameCanBeSavedAsPng) {
  auto sprite = Sprite(100, 100, 300, 200, nullptr, 250, 200, 40, 255);
  graphics->DrawSprite(sprite.get());
  graphics->EndFrame();
  ASSERT_TRUE(graphics->SaveFrame("frame.png"));
  std::string png = ReadTextFile("frame.png");
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  std::vector<uint32_t> frame;
  ASSERT_TRUE(graphics->ReadFrame(frame));
  ASSERT_EQ(frame.size(), 800u * 600u);
  EXPECT_EQ(frame[150 * 800 + 150], 0xFAC828u);
}

TEST(GraphicsLifetime, SpritesAndFontsMayOutliveTheDevice) {
  CHeadlessGraphics headless;
  ASSERT_TRUE(headless.Ready());
  WriteSolidBmp("pic.bmp", 4, 4, 0x123456);
  std::unique_ptr<CSprite> sprite(headless.graphics->CreateSprite(0, 0, 4, 4, "pic.bmp", 255, 255, 255, 255));
  ASSERT_TRUE(sprite->HasTexture());
  std::unique_ptr<CFont> font(new CFont(headless.graphics.get(), 24));
  RECT rect{0, 0, 200, 50};
  ASSERT_GT(font->DrawTextA("Kept", -1, &rect, 0, 0xFFFFFFFF), 0);
  ASSERT_EQ(font->CachedStrings(), 1);

  headless.graphics.reset();
  EXPECT_FALSE(sprite->HasTexture());
  sprite->MoveTo(5, 5);
  // The font lets go of its rendered strings with the device and draws nothing from then on; both
  // are deleted after the device without touching it.
  EXPECT_EQ(font->CachedStrings(), 0);
  EXPECT_EQ(font->DrawTextA("Kept", -1, &rect, 0, 0xFFFFFFFF), 0);
}

TEST(GraphicsLifetime, WithoutADisplayModeEveryCallIsHarmless) {
  CTempFolder folder;
  WriteSolidBmp("pic.bmp", 4, 4, 0x123456);
  CDirectGraphics8 graphics(nullptr);
  EXPECT_FALSE(graphics.CreateFullScreenDisplayMode(false, 800, 600, D3DFMT_A8R8G8B8));
  EXPECT_FALSE(graphics.BeginFrame());
  graphics.ClearScreen(0, 0, 0, 255);
  std::unique_ptr<CSprite> sprite(graphics.CreateSprite(0, 0, 4, 4, "pic.bmp", 255, 255, 255, 255));
  ASSERT_NE(sprite, nullptr);
  EXPECT_FALSE(sprite->HasTexture());
  EXPECT_FALSE(graphics.DrawSprite(sprite.get()));
  EXPECT_FALSE(graphics.EndFrame());
  EXPECT_EQ(graphics.GetPixel(0, 0), 0u);
  EXPECT_FALSE(graphics.SaveFrame("frame.png"));
}

} // namespace
