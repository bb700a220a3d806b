// Pictures for looking at the art: a contact sheet of every bitmap on a checkerboard (so the
// transparent colour shows), and one frame per board scene composed as the game composes it,
// with the bottom strip's text and widgets where the game screen puts them.
#include "Board.h"
#include "Files.h"
#include "Generators.h"

#include "app/ArtManifest.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <tuple>

namespace artgen {
namespace {

void Checkerboard(Canvas &c, int x0, int y0, int w, int h) {
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) {
      bool light = ((x - x0) / 8 + (y - y0) / 8) % 2 == 0;
      c.Set(x, y, light ? Rgb(200, 60, 200) : Rgb(120, 40, 120));
    }
}

void Label(cairo_t *cr, double x, double y, const std::string &text, double size, Color colour) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, colour.a);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

bool SavePng(const Canvas &canvas, const std::string &path) {
  cairo_surface_t *s = canvas.ToSurface();
  bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(s);
  if (!ok) std::fprintf(stderr, "preview: could not write %s\n", path.c_str());
  return ok;
}

// Shelf packing of the pictures, in manifest order, each with its name under it.
Canvas ContactSheet(const std::map<std::string, Bitmap> &pictures, int maxWidth, int zoom,
                    bool (*wanted)(const std::string &, const Bitmap &)) {
  struct Place {
    const std::string *path;
    const Bitmap *bitmap;
    int x, y;
  };
  std::vector<Place> places;
  const int gap = 12, labelHeight = 14;
  int x = gap, y = gap, shelf = 0;
  for (const art::ArtFile &file : art::kAllArt) {
    auto found = pictures.find(file.path);
    if (found == pictures.end() || !wanted(found->first, found->second)) continue;
    int w = found->second.Width() * zoom, h = found->second.Height() * zoom + labelHeight;
    if (x + w + gap > maxWidth && x > gap) {
      x = gap;
      y += shelf + gap;
      shelf = 0;
    }
    places.push_back({&found->first, &found->second, x, y});
    x += std::max(w, 150) + gap;
    shelf = std::max(shelf, h);
  }
  Canvas sheet(maxWidth, y + shelf + gap, Color{0.16f, 0.16f, 0.18f, 1});
  for (const Place &p : places) {
    Checkerboard(sheet, p.x, p.y, p.bitmap->Width() * zoom, p.bitmap->Height() * zoom);
    DrawSprite(sheet, *p.bitmap, float(p.x), float(p.y), float(p.bitmap->Width() * zoom),
               float(p.bitmap->Height() * zoom), 255);
  }
  CairoPainter painter(sheet);
  for (const Place &p : places) {
    std::string name = p.path->substr(p.path->find_last_of('/') + 1);
    Label(painter.cr(), p.x, p.y + p.bitmap->Height() * zoom + 11, name, 10, Rgb(230, 230, 230));
  }
  return painter.Result();
}

// The game screen's bottom strip: turn message, save-name box, Save and Leave buttons.
void GameStrip(Canvas &frame, const PictureLookup &lookup) {
  auto draw = [&](const art::ArtFile &file, float x, float y) {
    if (const Bitmap *b = lookup(file.path))
      DrawSprite(frame, *b, x, y, float(file.width), float(file.height), 255);
  };
  draw(art::kInputBox, 350, 560);
  draw(art::kButtonSave, 500, 560);
  draw(art::kButtonLeave, 652, 560);
  CairoPainter painter(frame);
  cairo_t *cr = painter.cr();
  SelectFont(cr, Face::Script, 30);
  auto text = [&](double x, double y, const char *s, Color c) {
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    cairo_set_source_rgba(cr, c.r, c.g, c.b, 1);
    cairo_move_to(cr, x, y + fe.ascent);
    cairo_show_text(cr, s);
  };
  text(25, 560, "Sir Gideon's Turn", Rgb(255, 255, 0));
  text(353, 563, "Save", Rgb(255, 255, 255));
  text(25, 500, "Press number to change pawn to...(1)Queen (2)Rook", Rgb(255, 255, 0));
  frame = painter.Result();
}

void TextAt(Canvas &frame, double x, double y, const char *s, Color c) {
  CairoPainter painter(frame);
  cairo_t *cr = painter.cr();
  SelectFont(cr, Face::Script, 30);
  cairo_font_extents_t fe;
  cairo_font_extents(cr, &fe);
  cairo_set_source_rgba(cr, c.r, c.g, c.b, 1);
  cairo_move_to(cr, x, y + fe.ascent);
  cairo_show_text(cr, s);
  frame = painter.Result();
}

// The main menu with its banners, Free Play lit and its panel open over the menu, as the
// screens lay them out; and the same menu with the Load Game and Options panels.
Canvas MainMenu(const PictureLookup &lookup, int panel) {
  Canvas frame(800, 600, Color{0, 0, 0, 1});
  auto draw = [&](const art::ArtFile &file, float x, float y) {
    if (const Bitmap *b = lookup(file.path))
      DrawSprite(frame, *b, x, y, float(file.width), float(file.height), 255);
  };
  draw(art::kMainBackground, 0, 0);
  draw(art::kLogo, 261, 25);
  // Newest first: the banners were added Tournament first, so Exit is drawn first.
  const bool freeLit = panel == 0, loadLit = panel == 1, optionsLit = panel == 2;
  draw(art::kBannerBlueExit, 545, 461);
  draw(optionsLit ? art::kBannerGreenOptions : art::kBannerBlueOptions, 330, 461);
  draw(loadLit ? art::kBannerGreenLoadGame : art::kBannerBlueLoadGame, 115, 461);
  draw(art::kBannerBlueTwoPlayer, 520, 314);
  draw(freeLit ? art::kBannerGreenFreePlay : art::kBannerBlueFreePlay, 300, 314);
  draw(art::kBannerBlueTournament, 80, 314);
  const float px = 150, py = 20;
  if (panel < 0) {
    draw(art::kCursor, 420, 280);
    return frame;
  }
  draw(art::kStoneBackground, px, py);
  if (panel == 0) {
    draw(art::kMapMistMountain, px + 80, py + 100);
    draw(art::kMapDungeonPushed, px + 224, py + 100);
    draw(art::kMapRiverOfLife, px + 368, py + 100);
    draw(art::kButtonInitiate, px + 32, py + 200);
    draw(art::kButtonDisciplePushed, px + 191, py + 200);
    draw(art::kButtonChampion, px + 350, py + 200);
    draw(art::kInputBox, px + 224, py + 25);
    TextAt(frame, px + 160, py + 30, "Name:", Rgb(255, 255, 0));
    TextAt(frame, px + 106, py + 75, "Choose where to challenge...", Rgb(255, 255, 0));
    TextAt(frame, px + 136, py + 170, "... at what skill level? ", Rgb(255, 255, 0));
    TextAt(frame, px + 227, py + 28, "Player_", Rgb(255, 255, 255));
  } else if (panel == 1) {
    draw(art::kIndexBox, px + 32, py + 39);
    draw(art::kIndexBoxButton, px + 256, py + 39);
    if (const Bitmap *b = lookup(art::kIndexBoxButtonPushed.path)) {
      // The down arrow: the same picture drawn upside down.
      Bitmap flipped(b->Width(), b->Height());
      for (int y = 0; y < b->Height(); ++y)
        for (int x = 0; x < b->Width(); ++x)
          std::copy_n(b->At(x, b->Height() - 1 - y), 3, flipped.At(x, y));
      DrawSprite(frame, flipped, px + 256, py + 200, 31, 31, 255);
    }
    draw(art::kButtonPlay, px + 350, py + 200);
    const char *names[] = {"Last stand", "Dungeon2", "Sunday", "Rematch"};
    for (int i = 0; i < 4; ++i)
      TextAt(frame, px + 63, py + 70 + 31 * i, names[i], i == 0 ? Rgb(255, 255, 0) : Rgb(255, 255, 255));
  } else {
    draw(art::kSliderLeft, px + 160, py + 75);
    draw(art::kSliderCenterPushed, px + 223, py + 75);
    draw(art::kSliderRight, px + 286, py + 75);
    TextAt(frame, px + 175, py + 40, "Mouse Sensitivity ", Rgb(255, 255, 0));
  }
  draw(art::kCursor, 420, 280);
  return frame;
}

} // namespace

int WritePreviews(const std::string &dataDir, const std::string &outDir) {
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  std::map<std::string, Bitmap> pictures;
  int missing = 0;
  for (const art::ArtFile &file : art::kAllArt) {
    if (file.format != art::ArtFormat::Bitmap) continue;
    if (auto b = ReadBmp(dataDir + "/" + file.path))
      pictures[file.path] = std::move(*b);
    else {
      std::fprintf(stderr, "preview: cannot read %s\n", file.path);
      ++missing;
    }
  }
  PictureLookup lookup = [&](const std::string &path) -> const Bitmap * {
    auto found = pictures.find(path);
    return found == pictures.end() ? nullptr : &found->second;
  };
  bool ok = SavePng(ContactSheet(pictures, 2460, 1, [](const std::string &, const Bitmap &) { return true; }),
                    outDir + "/contact-sheet.png");
  // Close-ups of the small pictures, for judging them pixel by pixel.
  ok = SavePng(ContactSheet(
                   pictures, 1640, 4,
                   [](const std::string &, const Bitmap &b) { return b.Width() == 63 && b.Height() == 127; }),
               outDir + "/closeup-pieces.png") &&
       ok;
  ok = SavePng(ContactSheet(
                   pictures, 1640, 4,
                   [](const std::string &p, const Bitmap &) { return p.find("Tile") != std::string::npos; }),
               outDir + "/closeup-tiles.png") &&
       ok;
  ok =
      SavePng(ContactSheet(pictures, 1640, 3,
                           [](const std::string &p, const Bitmap &b) {
                             return p.find("Gui") != std::string::npos && b.Width() < 255 && b.Height() < 255;
                           }),
              outDir + "/closeup-widgets.png") &&
      ok;
  ok = SavePng(ContactSheet(pictures, 1640, 2,
                            [](const std::string &p, const Bitmap &b) {
                              return p.find("Sword") == std::string::npos && b.Width() >= 255 &&
                                     b.Width() < 800 && b.Height() < 600;
                            }),
               outDir + "/closeup-emblems.png") &&
       ok;
  const std::pair<Arena, const char *> scenes[] = {{Arena::MistMountain, "mist-mountain"},
                                                   {Arena::Dungeon, "dungeon"},
                                                   {Arena::RiverOfLife, "river-of-life"}};
  for (const auto &[arena, name] : scenes) {
    BoardView view;
    view.arena = arena;
    view.markedRow = 6;
    view.markedColumn = 3;
    view.smooth = true;
    Canvas frame = ComposeBoard(lookup, view);
    GameStrip(frame, lookup);
    ok = SavePng(frame, outDir + "/preview-" + std::string(name) + ".png") && ok;
  }
  const char *menus[] = {"menu", "menu-free-play", "menu-load-game", "menu-options"};
  for (int panel = -1; panel < 3; ++panel)
    ok = SavePng(MainMenu(lookup, panel), outDir + "/preview-" + menus[panel + 1] + ".png") && ok;
  // The title's second phase as the game draws it: the logo file's pixels in the colour of
  // Pixel.bmp from (100, 200), sword frames at (125, 300); frames 1, 4, 7 and 10 stacked.
  {
    std::ifstream in(dataDir + "/" + art::kTitleLogo.path, std::ios::binary);
    std::vector<unsigned char> logo((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const Bitmap *pixel = lookup(art::kPixel.path);
    const int shown[] = {1, 4, 7, 10};
    Canvas sheet(800, 4 * 260, Color{0, 0, 0, 1});
    for (int i = 0; i < 4; ++i) {
      Canvas frame(800, 600, Color{0, 0, 0, 1});
      for (int r = 0; r < 128 && pixel; ++r)
        for (int col = 0; col < 512; ++col) {
          size_t at = (size_t(r) * 512 + col) * 3;
          if (at < logo.size() && logo[at] != 0)
            DrawSprite(frame, *pixel, 100.0f + col, 200.0f + r, 1, 1, 255);
        }
      const art::ArtFile &sword = art::kSwordFrames[shown[i] - 1];
      if (const Bitmap *b = lookup(sword.path)) DrawSprite(frame, *b, 125, 300, 511, 127, 255);
      for (int y = 0; y < 260; ++y)
        for (int x = 0; x < 800; ++x)
          sheet.Set(x, i * 260 + y, frame.Get(x, 185 + y));
    }
    ok = SavePng(sheet, outDir + "/preview-title.png") && ok;
  }
  // The tournament's ending pictures with their message, and the closing picture.
  const std::tuple<const art::ArtFile *, const char *, const char *> endings[] = {
      {&art::kWinner, "You are VICTOURIOUS! ", "victory"},
      {&art::kLoser, "You are DEFEATED! ", "defeat"},
      {&art::kEnd, nullptr, "end"}};
  for (const auto &[file, message, name] : endings) {
    Canvas frame(800, 600, Color{0, 0, 0, 1});
    if (const Bitmap *b = lookup(file->path))
      DrawSprite(frame, *b, 0, 0, float(file->width), float(file->height), 255);
    if (message) TextAt(frame, 300, 200, message, Rgb(255, 255, 0));
    ok = SavePng(frame, outDir + "/preview-" + name + ".png") && ok;
  }
  std::printf("preview: wrote the contact sheets and scene previews into %s\n", outDir.c_str());
  return ok && missing == 0 ? 0 : 1;
}

} // namespace artgen
