// The themed board scenes, drawn on the headless graphics device with the test clock and the audio
// recorder. Most tests draw with pictures of flat colours written here, so that every pixel says
// which picture made it: each tile picture has its own colour on its top face only, the pieces are
// blocks of a colour made from their side and kind, the clouds and the water are transparent but for
// small white marks. The last test draws each scene with the game's own art and saves the frames.
#include "CGameHarness.h"
#include "CTempFolder.h"
#include "CTestClock.h"
#include "TestFiles.h"
#include "app/ArtManifest.h"
#include "match/CArena.h"
#include "match/CDungeonArena.h"
#include "match/CMistMountainArena.h"
#include "match/CRiverOfLifeArena.h"
#include "platform/CAudioRecorder.h"
#include "platform/CDirectAudio8.h"
#include "platform/CDirectGraphics8.h"
#include "platform/CDisplayWindow.h"
#include "platform/CInputSource.h"
#include "platform/CKeyboard.h"
#include "platform/CMouse.h"
#include "rules/CChessBoard.h"
#include "rules/CPiece.h"
#include "rules/CStepAnimator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

// --- Pictures of flat colours ----------------------------------------------------------------------

constexpr uint32_t kWhiteGlassColour = 0xFF0000;
constexpr uint32_t kBlueGlassColour = 0x00FF00;
constexpr uint32_t kGreyGlassColour = 0xFF00FF;
constexpr uint32_t kSmoothRockColour = 0xFFFF00;
constexpr uint32_t kMoonRockColour = 0x00FFFF;
constexpr uint32_t kSelectedColour = 0x0000FF;
constexpr uint32_t kMistMountainColour = 0x202020;
constexpr uint32_t kDungeonColour = 0x303030;
constexpr uint32_t kSandColour = 0x402010;
constexpr uint32_t kMarkColour = 0xFFFFFF;

// White pieces are bright in red and blue, Black ones dark; green tells the kinds apart.
uint32_t PieceColour(int side, int kind) {
  const uint32_t redBlue = side == White ? 0xF0u : 0x10u;
  const uint32_t green = 0x10u + 0x28u * static_cast<uint32_t>(kind);
  return redBlue << 16 | green << 8 | redBlue;
}

// A tile picture covers its square's top face only: the parallelogram from (2, 23) spanned by one
// column (47, -23) and one row (45, 22). Neighbouring faces meet without overlapping, so the middle
// of a face, (48, 22) from the square's corner, shows only that square's tile.
constexpr int kFaceMiddleX = 48, kFaceMiddleY = 22;

void WriteTile(const art::ArtFile &file, uint32_t colour) {
  std::vector<uint32_t> pixels(static_cast<size_t>(file.width) * file.height, 0);
  for (int y = 0; y < file.height; ++y) {
    for (int x = 0; x < file.width; ++x) {
      double px = x + 0.5 - 2, py = y + 0.5 - 23;
      double alongColumn = (px * 22 - py * 45) / 2069, alongRow = (py * 47 + px * 23) / 2069;
      if (alongColumn >= 0 && alongColumn < 1 && alongRow >= 0 && alongRow < 1)
        pixels[static_cast<size_t>(y) * file.width + x] = colour;
    }
  }
  WriteBmp(file.path, file.width, file.height, pixels);
}

// A piece picture is a block around the piece's base, which meets the middle of its square's face.
// It is wide and tall enough to overlap the pieces drawn after it on the next column and the next
// row, but never their bases.
constexpr int kBlockLeft = 4, kBlockRight = 60, kBlockTop = 40, kBlockBottom = 100;

void WritePiece(const art::ArtFile &file, uint32_t colour) {
  std::vector<uint32_t> pixels(static_cast<size_t>(file.width) * file.height, 0);
  for (int y = kBlockTop; y < kBlockBottom; ++y) {
    for (int x = kBlockLeft; x < kBlockRight; ++x)
      pixels[static_cast<size_t>(y) * file.width + x] = colour;
  }
  WriteBmp(file.path, file.width, file.height, pixels);
}

// A transparent picture with white rectangles (left, top, right, bottom) on it.
void WriteMarks(const art::ArtFile &file, const std::vector<std::vector<int>> &marks) {
  std::vector<uint32_t> pixels(static_cast<size_t>(file.width) * file.height, 0);
  for (const std::vector<int> &mark : marks) {
    for (int y = mark[1]; y < mark[3]; ++y) {
      for (int x = mark[0]; x < mark[2]; ++x)
        pixels[static_cast<size_t>(y) * file.width + x] = kMarkColour;
    }
  }
  WriteBmp(file.path, file.width, file.height, pixels);
}

// Cloud marks 4 pixels wide at x 100 and x 700 of the picture, in its top 10 rows. Stretched to
// 2800 x 1200 they are 14 pixels wide and 20 high, 350 and 2450 pixels right of the clouds' left
// edge.
constexpr int kCloudMarkA = 350, kCloudMarkB = 2450, kCloudMarkWidth = 14;
// A water mark at x 100, y 230 of the picture: 3.5 and 13/3 times larger on the 2800 x 2600 water,
// it lies 350 pixels right of the water's left edge and about 997 below its top.
constexpr int kWaterMarkX = 350, kWaterMarkY = 997;

void WriteTestArt(int windMs = 2000, int screamMs = 1500, int waterMs = 3000) {
  std::filesystem::create_directories("Graphics/Game");
  std::filesystem::create_directories("Sounds");
  WriteSolidBmp(art::kMistMountainScreen.path, 800, 600, kMistMountainColour);
  WriteSolidBmp(art::kDungeonScreen.path, 800, 600, kDungeonColour);
  WriteSolidBmp(art::kSand.path, 800, 600, kSandColour);
  WriteSolidBmp(art::kRiverOfLifeLand.path, 800, 600, 0x000000); // transparent all over
  WriteMarks(art::kClouds, {{100, 0, 104, 10}, {700, 0, 704, 10}});
  WriteMarks(art::kWater, {{100, 230, 104, 232}});
  WriteTile(art::kWhiteGlassTile, kWhiteGlassColour);
  WriteTile(art::kBlueGlassTile, kBlueGlassColour);
  WriteTile(art::kGreyGlassTile, kGreyGlassColour);
  WriteTile(art::kSmoothRockTile, kSmoothRockColour);
  WriteTile(art::kMoonRockTile, kMoonRockColour);
  WriteTile(art::kSelectedTile, kSelectedColour);
  for (int side = 0; side < 2; ++side) {
    for (int kind = 0; kind < 6; ++kind)
      WritePiece(art::kPieces[side][kind], PieceColour(side, kind));
  }
  WriteWav(art::kSoundWind.path, windMs);
  WriteWav(art::kSoundScream.path, screamMs);
  WriteWav(art::kSoundWater.path, waterMs);
}

// The game's own pictures and sounds, as the build generated them.
void LinkGameData() {
  std::filesystem::create_directory_symlink(std::string(RAVELMARK_DATA_DIR) + "/Graphics", "Graphics");
  std::filesystem::create_directory_symlink(std::string(RAVELMARK_DATA_DIR) + "/Sounds", "Sounds");
}

// --- Colours ---------------------------------------------------------------------------------------

int Channel(uint32_t rgb, int shift) { return static_cast<int>((rgb >> shift) & 255); }

// `over` drawn with opacity `alpha` on `under`.
uint32_t Blend(uint32_t over, uint32_t under, int alpha) {
  uint32_t result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    int mixed = (Channel(over, shift) * alpha + Channel(under, shift) * (255 - alpha)) / 255;
    result |= static_cast<uint32_t>(mixed) << shift;
  }
  return result;
}

std::string Hex(uint32_t rgb) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", rgb);
  return text;
}

// Equal but for the blender's rounding.
::testing::AssertionResult ColourNear(uint32_t got, uint32_t want) {
  for (int shift = 0; shift <= 16; shift += 8) {
    if (std::abs(Channel(got, shift) - Channel(want, shift)) > 3)
      return ::testing::AssertionFailure() << "got " << Hex(got) << ", want " << Hex(want);
  }
  return ::testing::AssertionSuccess();
}

bool Bright(uint32_t rgb) { return Channel(rgb, 16) > 100 && Channel(rgb, 8) > 100 && Channel(rgb, 0) > 100; }

// --- The fixture -----------------------------------------------------------------------------------

class ArenaTest : public ::testing::Test {
protected:
  void SetUp() override {
    CArena::ResetProgramWideSoundTimersForTests();
    CStepAnimator::ResetAll();
    window.reset(CDisplayWindow::OpenHeadless());
    ASSERT_TRUE(window);
    graphics.reset(new CDirectGraphics8(window.get()));
    ASSERT_TRUE(graphics->CreateFullScreenDisplayMode(false, 800, 600, D3DFMT_A8R8G8B8));
    audio.reset(new CDirectAudio8(nullptr, 64));
  }

  std::unique_ptr<CArena> LoadedArena(int32_t kind) {
    std::unique_ptr<CArena> arena = CreateArena(kind);
    EXPECT_TRUE(arena->Load(graphics.get(), audio.get()));
    return arena;
  }

  // One frame of the game: the scene draws the whole display.
  void Frame(CArena &arena, CChessBoard *board) {
    graphics->BeginFrame();
    graphics->ClearScreen(0, 0, 0, 255);
    EXPECT_TRUE(arena.Draw(graphics.get(), audio.get(), &mouse, &keyboard, board));
    graphics->EndFrame();
  }

  uint32_t Pixel(int x, int y) { return graphics->GetPixel(x, y); }
  uint32_t FaceMiddle(const CChessBoard &board, int row, int column) {
    const CBoardSquare &square = board.Square(row, column);
    return Pixel(square.screenX + kFaceMiddleX, square.screenY + kFaceMiddleY);
  }

  std::vector<uint32_t> PlayTimes(const std::string &file) const {
    std::vector<uint32_t> times;
    for (const CAudioRecorder::Event &event : recorder.Events()) {
      if (event.kind == CAudioRecorder::EventKind::Played && event.file == file) times.push_back(event.tick);
    }
    return times;
  }

  CTestClock clock;
  CAudioRecorder recorder;
  CTempFolder folder;
  CInputSource input;
  CMouse mouse{&input, 799, 599};
  CKeyboard keyboard{&input};
  std::unique_ptr<CDisplayWindow> window;
  std::unique_ptr<CDirectGraphics8> graphics;
  std::unique_ptr<CDirectAudio8> audio;
};

// --- Which scene, and the board it draws -------------------------------------------------------------

TEST_F(ArenaTest, KindChoosesTheSceneAndAnyUnknownKindGivesRiverOfLife) {
  for (int32_t kind : {1, 2, 3, 0, 7, -1}) {
    std::unique_ptr<CArena> arena = CreateArena(kind);
    ASSERT_NE(arena, nullptr);
    EXPECT_EQ(dynamic_cast<CMistMountainArena *>(arena.get()) != nullptr, kind == 1) << kind;
    EXPECT_EQ(dynamic_cast<CDungeonArena *>(arena.get()) != nullptr, kind == 2) << kind;
    EXPECT_EQ(dynamic_cast<CRiverOfLifeArena *>(arena.get()) != nullptr, kind != 1 && kind != 2) << kind;
  }
}

TEST_F(ArenaTest, TilesAlternateWithTileBWhereRowPlusColumnIsEven) {
  WriteTestArt();
  struct Case {
    int32_t kind;
    uint32_t tileA, tileB;
    int alpha;
    uint32_t under;
  };
  const Case cases[] = {
      {kMistMountainArena, kWhiteGlassColour, kBlueGlassColour, 100, kMistMountainColour},
      {kDungeonArena, kSmoothRockColour, kMoonRockColour, 255, kDungeonColour},
      {kRiverOfLifeArena, kGreyGlassColour, kWhiteGlassColour, 150, kSandColour},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.kind);
    std::unique_ptr<CArena> arena = LoadedArena(c.kind);
    CChessBoard board;
    board.RemoveAllPieces();
    Frame(*arena, &board);
    for (int row = 0; row < 8; ++row) {
      for (int column = 0; column < 8; ++column) {
        uint32_t tile = (row + column) % 2 ? c.tileA : c.tileB;
        EXPECT_TRUE(ColourNear(FaceMiddle(board, row, column), Blend(tile, c.under, c.alpha)))
            << "square " << row << ", " << column;
      }
    }
    arena->Release();
  }
}

TEST_F(ArenaTest, SelectedOverlayLiesOnItsTileAndUnderThePieces) {
  WriteTestArt();
  struct Case {
    int32_t kind;
    uint32_t tileA;
    int tileAlpha, selectedAlpha;
    uint32_t under;
  };
  const Case cases[] = {
      {kMistMountainArena, kWhiteGlassColour, 100, 150, kMistMountainColour},
      {kDungeonArena, kSmoothRockColour, 255, 63, kDungeonColour},
      {kRiverOfLifeArena, kGreyGlassColour, 150, 100, kSandColour},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.kind);
    std::unique_ptr<CArena> arena = LoadedArena(c.kind);
    CChessBoard board;
    board.SetUpStartingPosition(true);
    board.Square(4, 3).marked = 1; // empty
    board.Square(7, 0).marked = 1; // White's rook stands on it
    Frame(*arena, &board);

    // Both squares show tile A (row + column odd), with the overlay on it, and the rook over both.
    const uint32_t marked = Blend(kSelectedColour, Blend(c.tileA, c.under, c.tileAlpha), c.selectedAlpha);
    EXPECT_TRUE(ColourNear(FaceMiddle(board, 4, 3), marked));
    EXPECT_TRUE(ColourNear(FaceMiddle(board, 7, 0), Blend(PieceColour(White, Rook), marked, 180)));
    // The overlay covers its own square's face only.
    EXPECT_TRUE(ColourNear(FaceMiddle(board, 4, 5), Blend(c.tileA, c.under, c.tileAlpha)));
    arena->Release();
  }
}

TEST_F(ArenaTest, EveryPieceIsDrawnWithItsSideAndKindWhereItsScreenPositionSays) {
  WriteTestArt();
  std::unique_ptr<CArena> arena = LoadedArena(kDungeonArena); // opaque tiles: plain colours under pieces
  CChessBoard board;
  board.SetUpStartingPosition(true);
  Frame(*arena, &board);
  auto tileUnder = [](int row, int column) {
    return (row + column) % 2 ? kSmoothRockColour : kMoonRockColour;
  };
  for (int row : {0, 1, 6, 7}) {
    for (int column = 0; column < 8; ++column) {
      const CPiece *piece = board.PieceAt(row, column);
      ASSERT_NE(piece, nullptr);
      EXPECT_TRUE(ColourNear(FaceMiddle(board, row, column),
                             Blend(PieceColour(piece->side, piece->kind), tileUnder(row, column), 180)))
          << "square " << row << ", " << column;
    }
  }

  // White's pawn on (6, 4) 40 ms into its slide toward (5, 4): drawn where the animation has put it,
  // its base now over the face of (5, 4), while its own square shows the bare tile.
  CStepAnimator::Animate(board, 7, 6, 4);
  clock.Advance(40);
  EXPECT_FALSE(CStepAnimator::Animate(board, 7, 6, 4));
  const CPiece *pawn = board.PieceAt(6, 4);
  ASSERT_NE(pawn, nullptr);
  ASSERT_EQ(pawn->screenX, board.Square(6, 4).screenX + 12 - 40);
  ASSERT_EQ(pawn->screenY, board.Square(6, 4).screenY - 54 - 20);
  Frame(*arena, &board);
  EXPECT_TRUE(ColourNear(FaceMiddle(board, 6, 4), kMoonRockColour));
  EXPECT_TRUE(ColourNear(Pixel(pawn->screenX + 36, pawn->screenY + 76),
                         Blend(PieceColour(White, Pawn), kSmoothRockColour, 180)));
}

TEST_F(ArenaTest, PiecesNearerTheBottomOfTheDisplayCoverThoseBehindThem) {
  WriteTestArt();
  std::unique_ptr<CArena> arena = LoadedArena(kDungeonArena);
  // A White piece behind, a Black one in front, overlapping: a wrong order would show White on top.
  struct Case {
    int behindRow, behindColumn, frontRow, frontColumn;
  };
  for (const Case &c : {Case{3, 4, 3, 3}, Case{3, 3, 4, 3}, Case{3, 3, 4, 2}}) {
    SCOPED_TRACE(::testing::Message()
                 << c.behindRow << c.behindColumn << " behind " << c.frontRow << c.frontColumn);
    CChessBoard board;
    board.RemoveAllPieces();
    Frame(*arena, &board);
    std::unique_ptr<CPiece> behind = CreatePiece(Queen), front = CreatePiece(Queen);
    front->side = Black;
    board.PlacePiece(c.behindRow, c.behindColumn, behind.release());
    board.PlacePiece(c.frontRow, c.frontColumn, front.release());
    Frame(*arena, &board);
    // A point inside both pieces' blocks.
    const CPiece *b = board.PieceAt(c.behindRow, c.behindColumn),
                 *f = board.PieceAt(c.frontRow, c.frontColumn);
    int left = std::max(b->screenX, f->screenX) + kBlockLeft,
        right = std::min(b->screenX, f->screenX) + kBlockRight;
    int top = std::max(b->screenY, f->screenY) + kBlockTop,
        bottom = std::min(b->screenY, f->screenY) + kBlockBottom;
    ASSERT_LT(left, right);
    ASSERT_LT(top, bottom);
    uint32_t both = Pixel((left + right) / 2, (top + bottom) / 2);
    EXPECT_LT(Channel(both, 16), 100) << Hex(both); // Black's red and blue are low, White's high
  }
}

// --- The board's place on the display ---------------------------------------------------------------

TEST_F(ArenaTest, DungeonAndRiverOfLifeMoveTheBoardOnceInTheirFirstFrame) {
  WriteTestArt();
  struct Case {
    int32_t kind;
    int32_t dy;
  };
  for (const Case &c : {Case{kMistMountainArena, 0}, Case{kDungeonArena, 60}, Case{kRiverOfLifeArena, -60},
                        Case{0, -60}, Case{7, -60}}) {
    SCOPED_TRACE(c.kind);
    std::unique_ptr<CArena> arena = LoadedArena(c.kind);
    CChessBoard board;
    board.SetUpStartingPosition(true);
    ASSERT_EQ(board.Square(7, 0).screenX, 360);
    ASSERT_EQ(board.Square(7, 0).screenY, 446);
    for (int frame = 0; frame < 3; ++frame) {
      Frame(*arena, &board);
      clock.Advance(16);
      EXPECT_EQ(board.Square(7, 0).screenX, 360);
      EXPECT_EQ(board.Square(7, 0).screenY, 446 + c.dy);
      EXPECT_EQ(board.Square(0, 0).screenY, 292 + c.dy);
      ASSERT_NE(board.PieceAt(7, 0), nullptr);
      EXPECT_EQ(board.PieceAt(7, 0)->screenX, 372);
      EXPECT_EQ(board.PieceAt(7, 0)->screenY, 392 + c.dy);
      EXPECT_EQ(board.originY, 0);
    }
  }
}

// --- Sounds ------------------------------------------------------------------------------------------

// Each scenario runs from an ordinary start time and from one just before the 32-bit tick count
// wraps, which it crosses on the way.
constexpr uint32_t kStartTimes[] = {1000, 0xFFFFFFFFu - 50000};

TEST_F(ArenaTest, WindBlowsInTheFirstMistMountainFrameThenAtMostEveryTwoMinutesAcrossMatches) {
  WriteTestArt();
  const std::string wind = art::kSoundWind.path;
  for (uint32_t start : kStartTimes) {
    SCOPED_TRACE(start);
    CArena::ResetProgramWideSoundTimersForTests();
    recorder.ClearEvents();
    clock.Set(start);
    std::unique_ptr<CArena> first = LoadedArena(kMistMountainArena);
    CChessBoard board;
    board.SetUpStartingPosition(true);
    Frame(*first, &board);
    EXPECT_EQ(PlayTimes(wind), std::vector<uint32_t>{start});
    for (int second = 1; second <= 60; ++second) {
      clock.Set(start + 1000u * second);
      Frame(*first, &board);
    }
    first->Release();
    first.reset();

    // A second Mist Mountain match a minute and a half after the first begins without wind, and
    // hears it once two minutes have passed.
    clock.Set(start + 90000);
    std::unique_ptr<CArena> second = LoadedArena(kMistMountainArena);
    CChessBoard secondBoard;
    secondBoard.SetUpStartingPosition(true);
    Frame(*second, &secondBoard);
    clock.Set(start + 120000);
    Frame(*second, &secondBoard);
    EXPECT_EQ(PlayTimes(wind), std::vector<uint32_t>{start});
    clock.Set(start + 120001);
    Frame(*second, &secondBoard);
    clock.Set(start + 180000);
    Frame(*second, &secondBoard);
    EXPECT_EQ(PlayTimes(wind), (std::vector<uint32_t>{start, start + 120001}));
    second->Release();
  }
}

TEST_F(ArenaTest, FirstScreamComesFourSecondsAfterTheFirstDungeonFrameThenEvery95SecondsAcrossMatches) {
  WriteTestArt();
  const std::string scream = art::kSoundScream.path;
  for (uint32_t start : kStartTimes) {
    SCOPED_TRACE(start);
    CArena::ResetProgramWideSoundTimersForTests();
    recorder.ClearEvents();
    clock.Set(start);
    {
      std::unique_ptr<CArena> arena = LoadedArena(kDungeonArena);
      CChessBoard board;
      board.SetUpStartingPosition(true);
      for (uint32_t at : {0u, 2000u, 4000u}) {
        clock.Set(start + at);
        Frame(*arena, &board);
      }
      EXPECT_TRUE(PlayTimes(scream).empty());
      clock.Set(start + 4001);
      Frame(*arena, &board);
      clock.Set(start + 30000);
      Frame(*arena, &board);
      EXPECT_EQ(PlayTimes(scream), std::vector<uint32_t>{start + 4001});
      arena->Release();
    }
    {
      // Another scene in between neither screams nor disturbs the timer.
      clock.Set(start + 40000);
      std::unique_ptr<CArena> arena = LoadedArena(kMistMountainArena);
      CChessBoard board;
      Frame(*arena, &board);
      arena->Release();
    }
    {
      // A later Dungeon match keeps the rhythm of the first: no new 4-second wait.
      clock.Set(start + 60000);
      std::unique_ptr<CArena> arena = LoadedArena(kDungeonArena);
      CChessBoard board;
      board.SetUpStartingPosition(true);
      for (uint32_t at : {60000u, 64001u, 99001u, 99002u, 150000u, 194002u, 194003u}) {
        clock.Set(start + at);
        Frame(*arena, &board);
      }
      EXPECT_EQ(PlayTimes(scream), (std::vector<uint32_t>{start + 4001, start + 99002, start + 194003}));
      arena->Release();
    }
  }
}

TEST_F(ArenaTest, WaterRestartsWithinAboutASecondOfEndingButNeverSooner) {
  // With a frame every 50 ms: a long sound starts again in the frame it ends, a short one waits out
  // the second since it last started.
  struct Case {
    int waterMs;
    uint32_t until;
    std::vector<uint32_t> starts;
  };
  const Case cases[] = {{3000, 6500, {0, 3000, 6000}}, {300, 3500, {0, 1050, 2100, 3150}}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.waterMs);
    WriteTestArt(2000, 1500, c.waterMs);
    CArena::ResetProgramWideSoundTimersForTests();
    recorder.ClearEvents();
    const uint32_t start = clock.Now();
    std::unique_ptr<CArena> arena = LoadedArena(kRiverOfLifeArena);
    CChessBoard board;
    board.SetUpStartingPosition(true);
    for (uint32_t at = 0; at <= c.until; at += 50) {
      clock.Set(start + at);
      Frame(*arena, &board);
    }
    std::vector<uint32_t> expected;
    for (uint32_t at : c.starts)
      expected.push_back(start + at);
    EXPECT_EQ(PlayTimes(art::kSoundWater.path), expected);
    arena->Release();
    clock.Advance(60000);
  }
}

// --- The moving layers -------------------------------------------------------------------------------

TEST_F(ArenaTest, CloudsDriftRightAndJumpBackJustOverFiftySecondsAfterLoad) {
  WriteTestArt();
  const uint32_t start = clock.Now();
  std::unique_ptr<CArena> arena = LoadedArena(kMistMountainArena);
  CChessBoard board;
  board.SetUpStartingPosition(true);

  // A second after Load the clouds have come 40 pixels from x = -2000.
  clock.Set(start + 1000);
  Frame(*arena, &board);
  const int markB = -2000 + 40 + kCloudMarkB + kCloudMarkWidth / 2;
  EXPECT_TRUE(Bright(Pixel(markB, 5)));
  EXPECT_TRUE(Bright(Pixel(markB, 15)));
  EXPECT_FALSE(Bright(Pixel(markB, 25))); // the picture's 600 rows stretched to 1200
  EXPECT_FALSE(Bright(Pixel(markB - 40, 5)));

  // Just before fifty seconds they are about at x = 0.
  clock.Set(start + 49999);
  Frame(*arena, &board);
  const int markA = kCloudMarkA + kCloudMarkWidth / 2;
  EXPECT_TRUE(Bright(Pixel(markA, 5)));
  clock.Set(start + 50000);
  Frame(*arena, &board);
  EXPECT_TRUE(Bright(Pixel(markA, 5)));

  // Then back at x = -2000, drifting again.
  clock.Set(start + 50016);
  Frame(*arena, &board);
  EXPECT_FALSE(Bright(Pixel(markA, 5)));
  EXPECT_TRUE(Bright(Pixel(-2000 + kCloudMarkB + kCloudMarkWidth / 2, 5)));
  clock.Set(start + 51016);
  Frame(*arena, &board);
  EXPECT_TRUE(Bright(Pixel(markB, 5)));
}

TEST_F(ArenaTest, WaterDriftsLeftAndDownAndBothWaysStartOverAfterAThousandPixelsDown) {
  WriteTestArt();
  const uint32_t start = clock.Now();
  std::unique_ptr<CArena> arena = LoadedArena(kRiverOfLifeArena);
  CChessBoard board;
  board.SetUpStartingPosition(true);
  auto markAt = [&](uint32_t elapsed, int x, int y) {
    clock.Set(start + elapsed);
    Frame(*arena, &board);
    return Bright(Pixel(x, y));
  };
  // 10 pixels left and 12 down every second.
  EXPECT_TRUE(markAt(1000, kWaterMarkX - 10 + 4, kWaterMarkY - 1000 + 12 + 4));
  EXPECT_FALSE(Bright(Pixel(kWaterMarkX + 10 + 4, kWaterMarkY - 1000 + 12 + 4)));
  EXPECT_TRUE(markAt(10000, kWaterMarkX - 100 + 4, kWaterMarkY - 1000 + 120 + 4));
  EXPECT_FALSE(markAt(83333, kWaterMarkX - 833 + 4, kWaterMarkY - 1000 + 12 + 4));
  // Past 1000 pixels down at 83.334 s: a second later the water is where it was a second after Load.
  EXPECT_FALSE(markAt(83334, kWaterMarkX - 10 + 4, kWaterMarkY - 1000 + 12 + 4));
  EXPECT_TRUE(markAt(84334, kWaterMarkX - 10 + 4, kWaterMarkY - 1000 + 12 + 4));
}

// --- Damaged installations and careless owners ---------------------------------------------------------

TEST_F(ArenaTest, MissingPicturesAndSoundsNeitherCrashNorStopTheScene) {
  // No Graphics/ and no Sounds/ at all.
  for (int32_t kind : {1, 2, 3}) {
    SCOPED_TRACE(kind);
    CChessBoard board;
    board.SetUpStartingPosition(true);
    std::unique_ptr<CArena> arena = CreateArena(kind);
    Frame(*arena, &board); // drawn before Load: nothing to draw yet
    EXPECT_TRUE(arena->Load(graphics.get(), audio.get()));
    for (uint32_t step = 0; step < 4; ++step) {
      Frame(*arena, &board);
      clock.Advance(60000);
    }
    EXPECT_TRUE(arena->Draw(graphics.get(), nullptr, nullptr, nullptr, nullptr));
    arena->Release();
    Frame(*arena, &board);
    arena->Release();
  }
  EXPECT_EQ(recorder.PlayCount(art::kSoundWind.path) + recorder.PlayCount(art::kSoundScream.path) +
                recorder.PlayCount(art::kSoundWater.path),
            0);
  // Without a graphics device there is nothing to load or draw with.
  std::unique_ptr<CArena> arena = CreateArena(1);
  EXPECT_FALSE(arena->Load(nullptr, audio.get()));
  EXPECT_FALSE(arena->Draw(nullptr, audio.get(), &mouse, &keyboard, nullptr));
}

TEST_F(ArenaTest, ASceneDeletedThroughItsBaseWithoutReleaseFreesEverything) {
  // The leak checker of the sanitizer build fails this test if anything is left behind.
  WriteTestArt();
  for (int32_t kind : {1, 2, 3}) {
    std::unique_ptr<CArena> arena = LoadedArena(kind);
    EXPECT_TRUE(arena->Load(graphics.get(), audio.get())); // loading again replaces the first set
    CChessBoard board;
    board.SetUpStartingPosition(true);
    Frame(*arena, &board);
  }
}

// --- What a player sees --------------------------------------------------------------------------------

TEST_F(ArenaTest, EachSceneInMidMatchIsSavedAsAPicture) {
  LinkGameData();
  const std::string folderName = CGameHarness::FramesFolder();
  std::filesystem::create_directories(folderName);
  struct Case {
    int32_t kind;
    const char *name;
  };
  for (const Case &c : {Case{1, "mist-mountain"}, Case{2, "dungeon"}, Case{3, "river-of-life"}}) {
    SCOPED_TRACE(c.name);
    CStepAnimator::ResetAll();
    std::unique_ptr<CArena> arena = LoadedArena(c.kind);
    CChessBoard board;
    board.SetUpStartingPosition(true);
    Frame(*arena, &board);
    // 1. e4 e5, and White's d-pawn, picked up from its marked square, a third of the way to d3.
    board.MovePiece(6, 3, 4, 3);
    board.MovePiece(1, 3, 3, 3);
    board.Square(6, 4).marked = 1;
    clock.Advance(20000);
    CStepAnimator::Animate(board, 7, 6, 4);
    clock.Advance(15);
    EXPECT_FALSE(CStepAnimator::Animate(board, 7, 6, 4));
    Frame(*arena, &board);
    EXPECT_TRUE(graphics->SaveFrame((folderName + "/arena-" + c.name + ".png").c_str()));
    arena->Release();
  }
}

} // namespace
