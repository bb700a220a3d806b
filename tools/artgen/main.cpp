// ravelmark_artgen generate DATA_DIR   paints every picture and sound the game loads into DATA_DIR
// ravelmark_artgen preview DATA_DIR OUT_DIR   writes a contact sheet and one preview per board scene
#include "Files.h"
#include "Generators.h"

#include "app/ArtManifest.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace {

using namespace artgen;

// Every file of the manifest must have been made, at its size, and nothing else.
bool MatchesManifest(const ArtSet &set) {
  bool ok = true;
  std::set<std::string> expected;
  for (const art::ArtFile &file : art::kAllArt) {
    expected.insert(file.path);
    switch (file.format) {
    case art::ArtFormat::Bitmap: {
      auto found = set.bitmaps.find(file.path);
      if (found == set.bitmaps.end()) {
        std::fprintf(stderr, "artgen: nothing painted for %s\n", file.path);
        ok = false;
      } else if (found->second.Width() != file.width || found->second.Height() != file.height) {
        std::fprintf(stderr, "artgen: %s is %dx%d, expected %dx%d\n", file.path, found->second.Width(),
                     found->second.Height(), file.width, file.height);
        ok = false;
      }
      break;
    }
    case art::ArtFormat::Wave:
      if (!set.sounds.count(file.path)) {
        std::fprintf(stderr, "artgen: no sound made for %s\n", file.path);
        ok = false;
      }
      break;
    case art::ArtFormat::RawLogo: {
      auto found = set.raw.find(file.path);
      if (found == set.raw.end() || found->second.size() != size_t(file.width) * file.height * 3) {
        std::fprintf(stderr, "artgen: logo file %s missing or of the wrong size\n", file.path);
        ok = false;
      }
      break;
    }
    }
  }
  auto extra = [&](const std::string &path) {
    if (!expected.count(path)) {
      std::fprintf(stderr, "artgen: %s is not a file the game loads\n", path.c_str());
      ok = false;
    }
  };
  for (const auto &entry : set.bitmaps)
    extra(entry.first);
  for (const auto &entry : set.sounds)
    extra(entry.first);
  for (const auto &entry : set.raw)
    extra(entry.first);
  return ok;
}

int Generate(const std::string &dataDir) {
  ArtSet set;
  const bool timing = std::getenv("ARTGEN_TIMING") != nullptr;
  const std::pair<const char *, void (*)(ArtSet &)> groups[] = {
      {"pieces", PaintPieces}, {"tiles", PaintTiles}, {"scenes", PaintScenes}, {"finales", PaintFinales},
      {"menus", PaintMenus},   {"title", PaintTitle}, {"sounds", MakeSounds}};
  for (const auto &[name, paint] : groups) {
    auto start = std::chrono::steady_clock::now();
    paint(set);
    if (timing)
      std::printf(
          "%-8s %6.0f ms\n", name,
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  if (!MatchesManifest(set)) return 1;

  bool ok = true;
  for (const auto &entry : set.bitmaps)
    ok = WriteBmp(dataDir + "/" + entry.first, entry.second) && ok;
  for (const auto &entry : set.raw)
    ok = WriteRaw(dataDir + "/" + entry.first, entry.second) && ok;
  for (const auto &entry : set.sounds)
    ok = WriteWav(dataDir + "/" + entry.first, entry.second.channels, entry.second.sampleRate,
                  entry.second.samples) &&
         ok;
  if (!ok) std::fprintf(stderr, "artgen: could not write every file into %s\n", dataDir.c_str());
  return ok ? 0 : 1;
}

} // namespace

int main(int argc, char **argv) {
  std::string mode = argc > 1 ? argv[1] : "";
  int result = 2;
  if (mode == "generate" && argc == 3)
    result = Generate(argv[2]);
  else if (mode == "preview" && argc == 4)
    result = artgen::WritePreviews(argv[2], argv[3]);
  if (result != 2) {
    // Cairo and fontconfig keep font caches for the life of the process; hand them back so that
    // leak checkers see a clean exit.
    cairo_debug_reset_static_data();
    FcFini();
    return result;
  }
  std::fprintf(stderr, "usage: %s generate DATA_DIR\n       %s preview DATA_DIR OUT_DIR\n", argv[0], argv[0]);
  return 2;
}
