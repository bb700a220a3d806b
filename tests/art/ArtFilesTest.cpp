// The generated data folder holds every picture, sound and raw file the game loads, in the
// format and at the size the game creates its sprites with, and the pictures keep to the
// geometry the board, the menu and the widgets rely on.
#include "app/ArtManifest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> ReadFile(const std::string &path) {
  std::ifstream in(std::string(RAVELMARK_DATA_DIR) + "/" + path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

uint32_t U32(const std::vector<uint8_t> &b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
uint16_t U16(const std::vector<uint8_t> &b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }

// A 24-bit BMP as the game reads it; empty when the file is not one.
struct Picture {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb; // top row first
  bool Opaque(int x, int y) const {
    const uint8_t *p = &rgb[(size_t(y) * width + x) * 3];
    return p[0] || p[1] || p[2];
  }
};

Picture LoadBmp(const std::string &path, std::string &problem) {
  Picture pic;
  std::vector<uint8_t> b = ReadFile(path);
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
    problem = "not a BMP file";
    return pic;
  }
  uint32_t offset = U32(b, 10), header = U32(b, 14);
  int32_t w = int32_t(U32(b, 18)), h = int32_t(U32(b, 22));
  if (header < 40 || U16(b, 26) != 1 || U16(b, 28) != 24 || U32(b, 30) != 0) {
    problem = "not an uncompressed 24-bit BMP";
    return pic;
  }
  size_t stride = (size_t(w) * 3 + 3) & ~size_t(3);
  int rows = std::abs(h);
  if (w <= 0 || rows == 0 || offset + stride * rows > b.size()) {
    problem = "truncated pixel data";
    return pic;
  }
  pic.width = w;
  pic.height = rows;
  pic.rgb.resize(size_t(w) * rows * 3);
  for (int r = 0; r < rows; ++r) {
    int y = h > 0 ? rows - 1 - r : r;
    for (int x = 0; x < w; ++x)
      for (int k = 0; k < 3; ++k)
        pic.rgb[(size_t(y) * w + x) * 3 + k] = b[offset + r * stride + x * 3 + 2 - k];
  }
  return pic;
}

struct Wave {
  int channels = 0, rate = 0, bits = 0;
  std::vector<int16_t> samples;
};

Wave LoadWav(const std::string &path, std::string &problem) {
  Wave wave;
  std::vector<uint8_t> b = ReadFile(path);
  if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
      std::string(b.begin() + 8, b.begin() + 12) != "WAVE") {
    problem = "not a RIFF WAVE file";
    return wave;
  }
  bool pcm = false;
  for (size_t at = 12; at + 8 <= b.size();) {
    std::string id(b.begin() + long(at), b.begin() + long(at) + 4);
    uint32_t size = U32(b, at + 4);
    if (at + 8 + size > b.size()) break;
    if (id == "fmt " && size >= 16) {
      pcm = U16(b, at + 8) == 1;
      wave.channels = U16(b, at + 10);
      wave.rate = int(U32(b, at + 12));
      wave.bits = U16(b, at + 22);
    } else if (id == "data") {
      for (size_t i = 0; i + 1 < size; i += 2)
        wave.samples.push_back(int16_t(U16(b, at + 8 + i)));
    }
    at += 8 + size + (size & 1);
  }
  if (!pcm) problem = "not PCM";
  return wave;
}

TEST(ArtFiles, ManifestNamesEveryFileTheGameLoads) {
  int bitmaps = 0, sounds = 0, raw = 0;
  std::set<std::string> paths;
  for (const art::ArtFile &file : art::kAllArt) {
    bitmaps += file.format == art::ArtFormat::Bitmap;
    sounds += file.format == art::ArtFormat::Wave;
    raw += file.format == art::ArtFormat::RawLogo;
    // A file listed twice would stand in the count for one that is missing.
    EXPECT_TRUE(paths.insert(file.path).second) << file.path << " is listed twice";
  }
  EXPECT_EQ(bitmaps, 83);
  EXPECT_EQ(sounds, 9);
  EXPECT_EQ(raw, 1);
}

TEST(ArtFiles, EveryBitmapIsA24BitBmpAtItsSpriteSize) {
  for (const art::ArtFile &file : art::kAllArt) {
    if (file.format != art::ArtFormat::Bitmap) continue;
    SCOPED_TRACE(file.path);
    std::string problem;
    Picture pic = LoadBmp(file.path, problem);
    ASSERT_EQ(problem, "");
    EXPECT_EQ(pic.width, file.width);
    EXPECT_EQ(pic.height, file.height);
    bool anyOpaque = false;
    for (int y = 0; y < pic.height && !anyOpaque; ++y)
      for (int x = 0; x < pic.width && !anyOpaque; ++x)
        anyOpaque = pic.Opaque(x, y);
    EXPECT_TRUE(anyOpaque) << "the picture is entirely transparent";
  }
}

TEST(ArtFiles, EverySoundIs16BitPcmWithoutClicksOrClipping) {
  for (const art::ArtFile &file : art::kAllArt) {
    if (file.format != art::ArtFormat::Wave) continue;
    SCOPED_TRACE(file.path);
    std::string problem;
    Wave wave = LoadWav(file.path, problem);
    ASSERT_EQ(problem, "");
    EXPECT_EQ(wave.bits, 16);
    EXPECT_TRUE(wave.channels == 1 || wave.channels == 2);
    EXPECT_GE(wave.rate, 22050);
    EXPECT_LE(wave.rate, 44100);
    ASSERT_GT(wave.samples.size(), 100u);
    int peak = 0;
    for (int16_t s : wave.samples)
      peak = std::max(peak, std::abs(int(s)));
    EXPECT_GT(peak, 3000) << "too quiet to hear";
    EXPECT_LT(peak, 32000) << "peaks at full scale";
    EXPECT_LT(std::abs(int(wave.samples.front())), 300) << "starts with a click";
    EXPECT_LT(std::abs(int(wave.samples.back())), 300) << "ends with a click";
  }
}

TEST(ArtFiles, TitleLogoIsA512By128PixelRawFile) {
  std::vector<uint8_t> logo = ReadFile(art::kTitleLogo.path);
  ASSERT_EQ(logo.size(), size_t(512) * 128 * 3);
  int drawn = 0, drawnBelowSword = 0;
  for (int r = 0; r < 128; ++r)
    for (int c = 0; c < 512; ++c)
      if (logo[(size_t(r) * 512 + c) * 3] != 0) {
        ++drawn;
        // Sword frames cover the logo from its row 100 down (drawn at y 300, the logo at 200).
        if (r >= 100) ++drawnBelowSword;
      }
  EXPECT_GT(drawn, 2000);
  EXPECT_EQ(drawnBelowSword, 0);
}

Picture Load(const art::ArtFile &file) {
  std::string problem;
  return LoadBmp(file.path, problem);
}

// A tile's face is the parallelogram (2, 23), (49, 0), (94, 22), (47, 45): neighbouring squares
// are (+47, -23) and (+45, +22) apart. Beyond the face only its thickness below may show.
TEST(ArtFiles, TilesFillTheirFaceAndNothingBesideIt) {
  for (const art::ArtFile *file : {&art::kWhiteGlassTile, &art::kBlueGlassTile, &art::kGreyGlassTile,
                                   &art::kSmoothRockTile, &art::kMoonRockTile}) {
    SCOPED_TRACE(file->path);
    Picture tile = Load(*file);
    ASSERT_EQ(tile.width, 127);
    for (auto [x, y] : {std::pair{48, 22}, {8, 23}, {49, 4}, {88, 22}, {47, 40}})
      EXPECT_TRUE(tile.Opaque(x, y)) << x << "," << y;
    for (auto [x, y] : {std::pair{5, 5}, {90, 5}, {110, 30}, {126, 62}, {2, 60}})
      EXPECT_FALSE(tile.Opaque(x, y)) << x << "," << y;
  }
  Picture selected = Load(art::kSelectedTile);
  EXPECT_TRUE(selected.Opaque(48, 2)) << "the overlay's rim follows the face";
  EXPECT_FALSE(selected.Opaque(48, 22)) << "the overlay is see-through in the middle";
}

// A piece is drawn 12 right of and 54 above its square: its base stands near (36, 76).
TEST(ArtFiles, PiecesStandOnTheMiddleOfTheirTile) {
  for (const auto &side : art::kPieces)
    for (const art::ArtFile &file : side) {
      SCOPED_TRACE(file.path);
      Picture piece = Load(file);
      ASSERT_EQ(piece.height, 127);
      EXPECT_TRUE(piece.Opaque(36, 72));
      EXPECT_TRUE(piece.Opaque(36, 45));
      int lowest = 0, left = 63, right = 0;
      for (int y = 0; y < 127; ++y)
        for (int x = 0; x < 63; ++x)
          if (piece.Opaque(x, y)) lowest = y, left = std::min(left, x), right = std::max(right, x);
      EXPECT_LE(lowest, 90) << "nothing hangs far below the base";
      EXPECT_NEAR((left + right) / 2.0, 36, 5);
    }
}

TEST(ArtFiles, WidgetPicturesKeepTheirTransparentParts) {
  // Neighbouring banners overlap right of x 180.
  for (const art::ArtFile &file : art::kAllArt) {
    if (std::string(file.path).find("Banner") == std::string::npos) continue;
    SCOPED_TRACE(file.path);
    Picture banner = Load(file);
    for (int y = 0; y < banner.height; ++y)
      for (int x = 180; x < banner.width; ++x)
        ASSERT_FALSE(banner.Opaque(x, y)) << x << "," << y;
  }
  // The index box is 255 x 192; its picture is 255 x 255.
  Picture index = Load(art::kIndexBox);
  for (int y = 192; y < 255; ++y)
    for (int x = 0; x < 255; ++x)
      ASSERT_FALSE(index.Opaque(x, y)) << x << "," << y;
  // The cursor's hot spot is its top-left pixel.
  EXPECT_TRUE(Load(art::kCursor).Opaque(0, 0));
}

} // namespace
