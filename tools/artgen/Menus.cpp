// The main menu, the panels and their widgets, and the cursor.
//
//   Main Background  a great hall at night: a moonlit window behind the emblem (drawn at
//                    261, 25), iron rails over the two rows of banners (y 314..441, 461..588).
//   Banners          cloth hanging from a rod, blue when off, green when lit; the visible banner
//                    keeps to the left 180 x 127 of its 255 x 127 picture (neighbours overlap the
//                    rest), which is pure black.
//   Widgets          veined blue marble with gold lettering; pushed pictures are sunk and glow.
#include "Board.h"
#include "Generators.h"
#include "Materials.h"
#include "Noise.h"
#include "Scenery.h"

#include "app/ArtManifest.h"

#include <cmath>

namespace artgen {
namespace {

// --- Main menu ---------------------------------------------------------------------------------
Bitmap MainBackground() {
  constexpr int W = 800, H = 600;
  Canvas c(W, H);
  // The window: a pointed arch behind the emblem, with the night sky and a far range of peaks.
  const float wx = 388, wTop = 18, wBottom = 300, wHalf = 165;
  auto inWindow = [&](float x, float y, float grow) {
    float dx = std::fabs(x - wx);
    if (y > wBottom + grow || dx > wHalf + grow) return false;
    float spring = 150;
    if (y >= spring) return true;
    // Two arcs meeting in a point at the top.
    float r = 2 * wHalf + grow;
    float cx = wx + (x < wx ? wHalf : -wHalf) * 1.0f;
    return std::hypot(x - cx, y - spring) <= r && y >= wTop - grow;
  };
  Canvas sky(W, H);
  const Gradient ramp{{0.0f, Rgb(10, 12, 34)}, {0.6f, Rgb(34, 36, 80)}, {1.0f, Rgb(90, 74, 116)}};
  PaintSky(sky, ramp, 0, 300, 250, 80, 160, Color{1.0f, 0.9f, 0.75f, 0.5f}, 701);
  PaintStars(sky, 260, 160, 702);
  AddGlow(sky, 262, 70, 22, Rgb(255, 240, 210), 0.9f);
  MountainRange peaks{300,
                      90,
                      150,
                      Rgb(70, 66, 104),
                      Rgb(30, 30, 56),
                      Color{0.85f, 0.86f, 0.95f, 0.9f},
                      0.6f,
                      Rgb(70, 62, 100),
                      0.3f,
                      703};
  PaintMountains(sky, peaks);
  ParallelRows(H, [&](int y) {
    for (int x = 0; x < W; ++x) {
      float px = x + 0.5f, py = y + 0.5f;
      Color col;
      if (inWindow(px, py, 0)) {
        col = sky.Get(x, y);
        // Leading of the window: thin dark bars in a diamond lattice.
        float a = std::fmod(std::fabs(px - wx + py * 0.5f), 46.0f),
              b = std::fmod(std::fabs(px - wx - py * 0.5f), 46.0f);
        float bar = std::min(std::min(a, 46 - a), std::min(b, 46 - b));
        if (bar < 1.2f) col = Mix(col, Rgb(16, 16, 22), 0.85f);
        if (std::fabs(px - wx) < 2.5f) col = Rgb(24, 22, 28); // the mullion
      } else if (inWindow(px, py, 14)) {
        // Carved stone frame of the window, lit from the upper left.
        float shade = 0.5f + 0.5f * Fbm(px * 0.1f, py * 0.1f, 704, 3);
        bool leftSide = px < wx;
        col = Scale(Rgb(96, 90, 100), (leftSide ? 1.1f : 0.75f) * (0.8f + 0.3f * shade));
      } else {
        // Hall wall: masonry in warm grey, dimmer toward the floor.
        float blockShade;
        float joint = Masonry(px / 58.0f, (H - py) / 30.0f, 705, blockShade);
        col = Scale(Rgb(58, 52, 56), 1 + 0.12f * blockShade + 0.12f * Fbm(px * 0.04f, py * 0.04f, 706, 4));
        col = Mix(col, Rgb(20, 18, 22), joint * 0.8f);
        col = Scale(col, 1.05f - 0.45f * (py / H));
      }
      col.a = 1;
      c.Set(x, y, col);
    }
  });
  // Moonlight falling from the window, torchlight at the sides.
  AddGlow(c, 388, 330, 260, Rgb(120, 130, 200), 0.18f);
  AddGlow(c, 36, 300, 130, Rgb(255, 140, 50), 0.7f);
  AddGlow(c, 764, 300, 130, Rgb(255, 140, 50), 0.6f);
  for (float tx : {36.0f, 764.0f}) {
    for (int y = 280; y < 340; ++y)
      for (int x = int(tx) - 12; x < int(tx) + 12; ++x) {
        float dx = x + 0.5f - tx, dy = y + 0.5f - 300;
        if (dy > 4 && dy < 34 && std::fabs(dx) < 2.6f - dy * 0.03f) c.Set(x, y, Rgb(36, 30, 28));
        float flame = std::hypot(dx / 5.5f, (dy + 6) / 12.0f);
        if (dy < 4 && flame < 1.0f)
          c.Set(x, y, Mix(Rgb(230, 90, 20), Rgb(255, 240, 170), Clamp01((1 - flame) * 1.6f)));
      }
    AddGlow(c, tx, 294, 24, Rgb(255, 200, 120), 0.8f);
  }
  // Iron rails the banners hang from.
  for (auto [y0, x0, x1] : {std::tuple{306.0f, 62.0f, 718.0f}, std::tuple{453.0f, 97.0f, 743.0f}}) {
    for (int y = int(y0); y < int(y0) + 6; ++y)
      for (int x = int(x0); x < int(x1); ++x) {
        float t = (y - y0) / 6.0f;
        c.Set(x, y, Mix(Rgb(110, 104, 110), Rgb(26, 24, 28), t));
      }
    for (float bx : {x0 + 4, x1 - 10})
      for (int y = int(y0) - 6; y < int(y0) + 12; ++y)
        for (int x = int(bx); x < int(bx) + 6; ++x)
          c.Set(x, y, Rgb(46, 42, 46));
  }
  Vignette(c, 0.45f, 560, 0.3f);
  return Bitmap::FromCanvas(c);
}

// The game's emblem: a medallion with a crown over crossed swords and a ribbon bearing the name.
Bitmap Logo() {
  constexpr int S = 255;
  const float cx = 127.5f, cy = 122;
  Canvas c(S, S);
  // Medallion: gold ring around an enamel field.
  Canvas disc = DiscMask(S, S, cx, cy, 112);
  Canvas ring = BevelledPanel(
      disc, [](float, float) { return Gold(0.6f); }, Bevel{9, 5, false, 30, 0.6f});
  c.Over(ring, 0, 0);
  Canvas field = DiscMask(S, S, cx, cy, 100);
  Canvas enamel = BevelledPanel(
      field,
      [&](float x, float y) {
        float d = std::hypot(x - cx + 30, y - cy + 40) / 150;
        Color col = Mix(Rgb(40, 60, 140), Rgb(8, 12, 44), Clamp01(d));
        return Scale(col, 1 + 0.1f * Fbm(x * 0.05f, y * 0.05f, 711, 3));
      },
      Bevel{4, -3, false, 20, 0.2f});
  c.Over(enamel, 0, 0);
  // Crown and crossed swords in silver, raised.
  Canvas charge = PaintWith(S, S, [&](cairo_t *cr) {
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    for (int side = -1; side <= 1; side += 2) {
      cairo_save(cr);
      cairo_translate(cr, cx, cy + 18);
      cairo_rotate(cr, side * 0.72);
      cairo_rectangle(cr, -4, -78, 8, 92); // blade
      cairo_fill(cr);
      cairo_move_to(cr, -4, -78);
      cairo_line_to(cr, 0, -90);
      cairo_line_to(cr, 4, -78);
      cairo_fill(cr);
      cairo_rectangle(cr, -17, 14, 34, 6); // guard
      cairo_fill(cr);
      cairo_rectangle(cr, -3, 20, 6, 18); // grip
      cairo_fill(cr);
      cairo_arc(cr, 0, 42, 5, 0, 2 * M_PI);
      cairo_fill(cr);
      cairo_restore(cr);
    }
    // Crown above the crossing.
    cairo_move_to(cr, cx - 34, cy - 4);
    cairo_line_to(cr, cx - 40, cy - 50);
    cairo_line_to(cr, cx - 20, cy - 30);
    cairo_line_to(cr, cx, cy - 62);
    cairo_line_to(cr, cx + 20, cy - 30);
    cairo_line_to(cr, cx + 40, cy - 50);
    cairo_line_to(cr, cx + 34, cy - 4);
    cairo_close_path(cr);
    cairo_fill(cr);
    for (float bx : {-40.0f, 0.0f, 40.0f}) {
      cairo_arc(cr, cx + bx, cy - (bx == 0 ? 66 : 54), 5, 0, 2 * M_PI);
      cairo_fill(cr);
    }
  });
  Canvas shadow = charge;
  for (int y = 0; y < S; ++y)
    for (int x = 0; x < S; ++x) {
      float *p = shadow.At(x, y);
      p[0] = p[1] = p[2] = 0.02f * p[3];
    }
  c.Over(shadow, 3, 3, 0.6f);
  c.Over(BevelledPanel(
             charge,
             [](float x, float y) {
               return Mix(Rgb(150, 160, 184), Rgb(236, 240, 250),
                          Clamp01(0.5f + 0.3f * std::sin((x + y) * 0.05f)));
             },
             Bevel{3, 3, false, 40, 0.7f}),
         0, 0);
  // The ribbon across the lower part of the medallion.
  auto ribbonPath = [&](cairo_t *cr) {
    cairo_move_to(cr, 6, 160);
    cairo_curve_to(cr, 70, 148, 185, 148, 249, 160);
    cairo_line_to(cr, 240, 182);
    cairo_line_to(cr, 249, 204);
    cairo_curve_to(cr, 185, 192, 70, 192, 6, 204);
    cairo_line_to(cr, 15, 182);
    cairo_close_path(cr);
  };
  Canvas ribbonMask = PaintWith(S, S, [&](cairo_t *cr) {
    ribbonPath(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill(cr);
  });
  c.Over(BevelledPanel(
             ribbonMask,
             [&](float x, float y) {
               Color col = Mix(Rgb(150, 24, 30), Rgb(96, 12, 20), Clamp01((y - 150) / 55));
               return Scale(col, 1 + 0.06f * Strokes(x, y, 712, 0.05f));
             },
             Bevel{3, 2.5f, false, 20, 0.3f}),
         0, 0);
  Canvas trim = PaintWith(S, S, [&](cairo_t *cr) {
    ribbonPath(cr);
    cairo_set_line_width(cr, 2.2);
    cairo_set_source_rgba(cr, 0.95, 0.78, 0.36, 1);
    cairo_stroke(cr);
  });
  c.Over(trim, 0, 0);
  Lettering name;
  name.text = "Ravelmark";
  name.size = 46;
  name.centreX = cx;
  name.centreY = 176;
  name.maxWidth = 200;
  name.top = Rgb(255, 244, 200);
  name.bottom = Rgb(226, 170, 70);
  name.outline = Rgb(40, 8, 10);
  name.outlineWidth = 1.4;
  name.shadow = Color{0.02f, 0, 0, 0.8f};
  name.shadowDx = 2;
  name.shadowDy = 2;
  DrawLettering(c, name);
  return Bitmap::FromCanvas(c, Edge::Hard);
}

// --- Banners ------------------------------------------------------------------------------------
Bitmap Banner(const std::string &word, bool lit) {
  constexpr int W = 255, H = 127, Visible = 180;
  Canvas c(W, H);
  const Color cloth = lit ? Rgb(34, 120, 56) : Rgb(30, 52, 138);
  const Color clothDark = lit ? Rgb(10, 50, 22) : Rgb(10, 18, 60);
  // Cloth with a swallowtail, hanging from the rod.
  auto clothPath = [&](cairo_t *cr) {
    cairo_move_to(cr, 16, 8);
    cairo_line_to(cr, 164, 8);
    cairo_line_to(cr, 164, 122);
    cairo_line_to(cr, 90, 100);
    cairo_line_to(cr, 16, 122);
    cairo_close_path(cr);
  };
  Canvas mask = PaintWith(W, H, [&](cairo_t *cr) {
    clothPath(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill(cr);
  });
  Canvas body = BevelledPanel(
      mask,
      [&](float x, float y) {
        // Soft vertical folds, lit from the left, and a woven texture.
        float fold = std::sin(x * 0.16f + 0.8f * std::sin(y * 0.03f)) * 0.5f + 0.5f;
        float weave = 0.04f * ((int(x) + int(y)) % 2 ? 1.0f : -1.0f) + 0.05f * Noise(x * 0.4f, y * 0.4f, 720);
        Color col = Mix(clothDark, cloth, 0.35f + 0.65f * fold);
        col = Scale(col, 1 + weave - 0.25f * (y / H));
        if (lit) col = Mix(col, Rgb(120, 230, 130), 0.1f * fold);
        return col;
      },
      Bevel{3, 2, false, 10, 0.12f});
  c.Over(body, 0, 0);
  // Gold border stitched inside the edge and a device under the word.
  Canvas trim = PaintWith(W, H, [&](cairo_t *cr) {
    cairo_move_to(cr, 22, 14);
    cairo_line_to(cr, 158, 14);
    cairo_line_to(cr, 158, 113);
    cairo_line_to(cr, 90, 93);
    cairo_line_to(cr, 22, 113);
    cairo_close_path(cr);
    cairo_set_line_width(cr, 2);
    cairo_set_source_rgba(cr, 0.9, 0.72, 0.3, 1);
    cairo_stroke(cr);
    // A small diamond and two dots below the word.
    cairo_move_to(cr, 90, 70);
    cairo_line_to(cr, 96, 76);
    cairo_line_to(cr, 90, 82);
    cairo_line_to(cr, 84, 76);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_arc(cr, 74, 76, 1.8, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_arc(cr, 106, 76, 1.8, 0, 2 * M_PI);
    cairo_fill(cr);
  });
  c.Over(trim, 0, 0);
  // The rod with its finials.
  Canvas rodMask = PaintWith(W, H, [&](cairo_t *cr) {
    RoundedRect(cr, 6, 2, 168, 7, 3.5);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill(cr);
    cairo_arc(cr, 6, 5.5, 4.5, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_arc(cr, 174, 5.5, 4.5, 0, 2 * M_PI);
    cairo_fill(cr);
  });
  c.Over(BevelledPanel(
             rodMask, [](float, float) { return Gold(0.55f); }, Bevel{3, 3, false, 30, 0.6f}),
         0, 0);
  Lettering text;
  text.text = word;
  text.size = 34;
  text.centreX = 90;
  text.centreY = 44;
  text.maxWidth = 132;
  text.top = Rgb(255, 248, 214);
  text.bottom = Rgb(232, 190, 96);
  text.outline = Rgb(20, 12, 6);
  text.outlineWidth = 1.2;
  text.shadow = Color{0, 0, 0, 0.7f};
  DrawLettering(c, text);
  // Nothing may show right of the visible banner: its neighbour overlaps there.
  for (int y = 0; y < H; ++y)
    for (int x = Visible; x < W; ++x)
      c.Set(x, y, Color{0, 0, 0, 0});
  return Bitmap::FromCanvas(c, Edge::Hard);
}

// --- Panels and widgets ---------------------------------------------------------------------------
Bitmap StoneBackground() {
  constexpr int W = 511, H = 255;
  Canvas mask = RoundedMask(W, H, 0, 0, W, H, 10);
  Canvas c = BevelledPanel(
      mask, [](float x, float y) { return Slate(x, y, 730); }, Bevel{8, 5, false, 16, 0.2f});
  // A carved groove inside the rim, and gold studs in the corners.
  Canvas groove = PaintWith(W, H, [&](cairo_t *cr) {
    RoundedRect(cr, 14, 14, W - 28, H - 28, 6);
    cairo_set_line_width(cr, 2);
    cairo_set_source_rgba(cr, 0.05, 0.05, 0.08, 0.9);
    cairo_stroke(cr);
    RoundedRect(cr, 15.5, 15.5, W - 28, H - 28, 6);
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgba(cr, 0.55, 0.55, 0.65, 0.5);
    cairo_stroke(cr);
  });
  c.Over(groove, 0, 0);
  for (auto [sx, sy] : {std::pair{9, 9}, {W - 10, 9}, {9, H - 10}, {W - 10, H - 10}}) {
    Canvas stud = DiscMask(W, H, sx + 0.5, sy + 0.5, 4);
    c.Over(BevelledPanel(
               stud, [](float, float) { return Gold(0.6f); }, Bevel{3, 3, false, 30, 0.7f}),
           0, 0);
  }
  return Bitmap::FromCanvas(c, Edge::Hard);
}

Canvas MarbleBlock(int w, int h, float radius, bool pushed, uint32_t seed, bool leftLightOnly = false) {
  Canvas mask = RoundedMask(w, h, 0, 0, w, h, radius);
  Bevel bevel{3, 3, pushed, 26, 0.45f, leftLightOnly};
  return BevelledPanel(
      mask,
      [&](float x, float y) {
        Color col = BlueMarble(x + seed * 37.0f, y + seed * 11.0f, 740);
        return pushed ? Mix(Scale(col, 0.55f), Rgb(20, 60, 120), 0.2f) : col;
      },
      bevel);
}

Bitmap MarbleButton(const std::string &word, bool pushed) {
  constexpr int W = 127, H = 31;
  Canvas c = MarbleBlock(W, H, 7, pushed, uint32_t(word.size()));
  if (pushed) {
    // A lit inner rim: the button is held down.
    Canvas rim = PaintWith(W, H, [&](cairo_t *cr) {
      RoundedRect(cr, 3.5, 3.5, W - 7, H - 7, 4);
      cairo_set_line_width(cr, 1.2);
      cairo_set_source_rgba(cr, 1, 0.85, 0.45, 0.9);
      cairo_stroke(cr);
    });
    c.Over(rim, 0, 0);
  }
  Lettering text;
  text.text = word;
  text.size = 25;
  text.centreX = W / 2.0 + (pushed ? 1 : 0);
  text.centreY = H / 2.0 + (pushed ? 1 : 0);
  text.maxWidth = 104;
  text.top = pushed ? Rgb(255, 252, 226) : Rgb(255, 244, 200);
  text.bottom = pushed ? Rgb(255, 214, 120) : Rgb(222, 176, 80);
  text.outline = Rgb(8, 10, 30);
  text.outlineWidth = 1.2;
  text.shadow = Color{0, 0, 0, pushed ? 0.0f : 0.6f};
  DrawLettering(c, text);
  return Bitmap::FromCanvas(c, Edge::Hard);
}

// A marble rim around a dark field; the text is drawn from 3 pixels inside the box.
Bitmap InputBox() {
  constexpr int W = 127, H = 31;
  Canvas c = MarbleBlock(W, H, 5, false, 3);
  Canvas field = RoundedMask(W, H, 3, 3, W - 6, H - 6, 3);
  Canvas inner = BevelledPanel(
      field,
      [](float x, float y) {
        return Mix(Rgb(6, 8, 22), Rgb(16, 20, 44),
                   Clamp01(y / 31.0f + 0.05f * Noise(x * 0.3f, y * 0.3f, 750)));
      },
      Bevel{2, 1.5f, true, 10, 0.05f});
  c.Over(inner, 0, 0);
  return Bitmap::FromCanvas(c, Edge::Hard);
}

// The saves list: its picture is 255 x 255 but the box is 255 x 192. A marble frame holds the
// dark list area (31, 31)..(224, 161); the arrow column x 224..255 carries the two arrow
// buttons (drawn over it at the top and bottom) and a track between them.
Bitmap IndexBox() {
  constexpr int W = 255, H = 255, BoxH = 192;
  Canvas c(W, H);
  Canvas frame = MarbleBlock(224, BoxH, 9, false, 5);
  c.Over(frame, 0, 0);
  Canvas list = RoundedMask(224, BoxH, 27, 27, 201, 138, 4);
  c.Over(BevelledPanel(
             list,
             [](float x, float y) {
               Color col = Mix(Rgb(8, 10, 26), Rgb(18, 22, 48), Clamp01((y - 27) / 140.0f));
               // Faint ruled lines between the rows of names.
               float row = std::fmod(y - 31, 31.0f);
               if (y > 40 && y < 158 && row > 29.5f) col = Mix(col, Rgb(60, 70, 120), 0.5f);
               return Scale(col, 1 + 0.05f * Noise(x * 0.2f, y * 0.2f, 760));
             },
             Bevel{3, 2, true, 10, 0.05f}),
         0, 0);
  Canvas track = RoundedMask(W, H, 227, 30, 25, 132, 6);
  c.Over(BevelledPanel(
             track, [](float x, float y) { return Scale(BlueMarble(x, y, 761), 0.45f); },
             Bevel{3, 2, true, 10, 0.1f}),
         0, 0);
  Lettering title;
  title.text = "Saved Games";
  title.size = 22;
  title.centreX = 112;
  title.centreY = 14;
  title.top = Rgb(255, 244, 200);
  title.bottom = Rgb(222, 176, 80);
  title.outline = Rgb(8, 10, 30);
  title.outlineWidth = 1.0;
  DrawLettering(c, title);
  return Bitmap::FromCanvas(c, Edge::Hard);
}

// An arrow button pointing up. The down arrow is this picture drawn upside down, so its light
// comes from the left only and it looks the same either way up.
Bitmap IndexArrow(bool pushed) {
  constexpr int S = 31;
  Canvas c = MarbleBlock(S, S, 6, pushed, 7, true);
  Canvas arrow = PaintWith(S, S, [&](cairo_t *cr) {
    double o = pushed ? 0.5 : 0;
    cairo_move_to(cr, 15.5 + o, 7 + o);
    cairo_line_to(cr, 24 + o, 19 + o);
    cairo_line_to(cr, 19 + o, 19 + o);
    cairo_line_to(cr, 19 + o, 24 + o);
    cairo_line_to(cr, 12 + o, 24 + o);
    cairo_line_to(cr, 12 + o, 19 + o);
    cairo_line_to(cr, 7 + o, 19 + o);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill(cr);
  });
  c.Over(BevelledPanel(
             arrow, [&](float, float) { return Gold(pushed ? 0.85f : 0.6f); },
             Bevel{2, 2, false, 30, 0.6f, true}),
         0, 0);
  return Bitmap::FromCanvas(c, Edge::Hard);
}

// Slider segments 63 x 15: left, centre and right of one bar. Each carries as many chevrons as
// its sensitivity step (1, 2, 3); the pushed segment is lit.
Bitmap SliderSegment(int position, bool pushed) {
  constexpr int W = 63, H = 15;
  const double left = position == 0 ? 0 : -10, right = position == 2 ? W : W + 10;
  Canvas mask = RoundedMask(W, H, left, 0, right - left, H, 7);
  Bevel bevel{3, 2, pushed, 24, 0.4f};
  Canvas c = BevelledPanel(
      mask,
      [&](float x, float y) {
        Color col = BlueMarble(x + position * 63.0f, y, 770);
        return pushed ? Mix(col, Rgb(90, 200, 255), 0.35f) : Scale(col, 0.8f);
      },
      bevel);
  // The joints between segments.
  if (position > 0)
    for (int y = 2; y < H - 2; ++y)
      c.Set(0, y, Rgb(6, 10, 30));
  Canvas marks = PaintWith(W, H, [&](cairo_t *cr) {
    int count = position + 1;
    double start = W / 2.0 - (count - 1) * 4.0;
    for (int i = 0; i < count; ++i) {
      double x = start + i * 8;
      cairo_move_to(cr, x - 2, 4);
      cairo_line_to(cr, x + 2.5, 7.5);
      cairo_line_to(cr, x - 2, 11);
    }
    cairo_set_line_width(cr, 1.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Color g = Gold(pushed ? 0.95f : 0.55f);
    cairo_set_source_rgba(cr, g.r, g.g, g.b, 1);
    cairo_stroke(cr);
  });
  c.Over(marks, 0, 0);
  return Bitmap::FromCanvas(c, Edge::Hard);
}

// A map button: the scene with its board in miniature inside a marble frame; pushed, a bright
// gold rim glows around it.
Bitmap MapButton(const ArtSet &set, Arena arena, bool pushed) {
  constexpr int S = 63;
  BoardView view;
  view.arena = arena;
  PictureLookup lookup = [&](const std::string &path) -> const Bitmap * {
    auto found = set.bitmaps.find(path);
    return found == set.bitmaps.end() ? nullptr : &found->second;
  };
  Canvas frame = ComposeBoard(lookup, view);
  // The square around the board, shrunk to the window of the button.
  Canvas crop(600, 600);
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 600; ++x)
      crop.Set(x, y, frame.Get(x + 115, y));
  Canvas mini = Downscale(crop, S - 10, S - 10);
  Canvas c = MarbleBlock(S, S, 6, pushed, 9);
  for (int y = 0; y < S - 10; ++y)
    for (int x = 0; x < S - 10; ++x) {
      Color col = mini.Get(x, y);
      if (pushed) col = Scale(col, 1.2f);
      col.a = 1;
      c.Set(x + 5, y + 5, col);
    }
  if (pushed) {
    Canvas rim = PaintWith(S, S, [&](cairo_t *cr) {
      RoundedRect(cr, 1.5, 1.5, S - 3, S - 3, 6);
      cairo_set_line_width(cr, 3);
      cairo_set_source_rgba(cr, 1, 0.86, 0.45, 1);
      cairo_stroke(cr);
      RoundedRect(cr, 4.5, 4.5, S - 9, S - 9, 2);
      cairo_set_line_width(cr, 1.2);
      cairo_set_source_rgba(cr, 1, 0.97, 0.8, 1);
      cairo_stroke(cr);
    });
    c.Over(rim, 0, 0);
  }
  return Bitmap::FromCanvas(c, Edge::Hard);
}

// The pointer: its tip is the top-left pixel, the hot spot.
Bitmap Cursor() {
  constexpr int S = 15;
  auto shape = [](cairo_t *cr) {
    cairo_move_to(cr, 0.2, 0.2);
    cairo_line_to(cr, 0.2, 12.5);
    cairo_line_to(cr, 3.6, 9.6);
    cairo_line_to(cr, 6.4, 14.6);
    cairo_line_to(cr, 9.0, 13.4);
    cairo_line_to(cr, 6.3, 8.6);
    cairo_line_to(cr, 10.8, 8.4);
    cairo_close_path(cr);
  };
  Canvas c = PaintWith(S, S, [&](cairo_t *cr) {
    shape(cr);
    cairo_set_source_rgba(cr, 0.05, 0.03, 0.02, 1);
    cairo_fill(cr);
  });
  Canvas inner = PaintWith(S, S, [&](cairo_t *cr) {
    cairo_translate(cr, 1.1, 2.2);
    cairo_scale(cr, 0.74, 0.74);
    shape(cr);
    cairo_pattern_t *g = cairo_pattern_create_linear(0, 0, 8, 12);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.97, 0.82, 1);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.85, 0.6, 0.2, 1);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  });
  c.Over(inner, 0, 0);
  Bitmap b = Bitmap::FromCanvas(c, Edge::Hard);
  // The hot spot must be visible.
  b.At(0, 0)[0] = 250, b.At(0, 0)[1] = 230, b.At(0, 0)[2] = 170;
  return b;
}

} // namespace

void PaintMenus(ArtSet &set) {
  set.bitmaps[art::kMainBackground.path] = MainBackground();
  set.bitmaps[art::kLogo.path] = Logo();
  const std::pair<const art::ArtFile *, const art::ArtFile *> banners[] = {
      {&art::kBannerBlueTournament, &art::kBannerGreenTournament},
      {&art::kBannerBlueFreePlay, &art::kBannerGreenFreePlay},
      {&art::kBannerBlueTwoPlayer, &art::kBannerGreenTwoPlayer},
      {&art::kBannerBlueLoadGame, &art::kBannerGreenLoadGame},
      {&art::kBannerBlueOptions, &art::kBannerGreenOptions},
      {&art::kBannerBlueExit, &art::kBannerGreenExit}};
  const char *words[] = {"Tournament", "Free Play", "Two Player", "Load Game", "Options", "Exit"};
  for (int i = 0; i < 6; ++i) {
    set.bitmaps[banners[i].first->path] = Banner(words[i], false);
    set.bitmaps[banners[i].second->path] = Banner(words[i], true);
  }
  set.bitmaps[art::kStoneBackground.path] = StoneBackground();
  const std::tuple<const art::ArtFile *, const art::ArtFile *, const char *> buttons[] = {
      {&art::kButtonSave, &art::kButtonSavePushed, "Save"},
      {&art::kButtonLeave, &art::kButtonLeavePushed, "Leave"},
      {&art::kButtonInitiate, &art::kButtonInitiatePushed, "Initiate"},
      {&art::kButtonDisciple, &art::kButtonDisciplePushed, "Disciple"},
      {&art::kButtonChampion, &art::kButtonChampionPushed, "Champion"},
      {&art::kButtonPlay, &art::kButtonPlayPushed, "Play"}};
  for (const auto &[normal, pushed, word] : buttons) {
    set.bitmaps[normal->path] = MarbleButton(word, false);
    set.bitmaps[pushed->path] = MarbleButton(word, true);
  }
  set.bitmaps[art::kInputBox.path] = InputBox();
  set.bitmaps[art::kIndexBox.path] = IndexBox();
  set.bitmaps[art::kIndexBoxButton.path] = IndexArrow(false);
  set.bitmaps[art::kIndexBoxButtonPushed.path] = IndexArrow(true);
  const std::pair<const art::ArtFile *, const art::ArtFile *> sliders[] = {
      {&art::kSliderLeft, &art::kSliderLeftPushed},
      {&art::kSliderCenter, &art::kSliderCenterPushed},
      {&art::kSliderRight, &art::kSliderRightPushed}};
  for (int i = 0; i < 3; ++i) {
    set.bitmaps[sliders[i].first->path] = SliderSegment(i, false);
    set.bitmaps[sliders[i].second->path] = SliderSegment(i, true);
  }
  const std::tuple<Arena, const art::ArtFile *, const art::ArtFile *> maps[] = {
      {Arena::MistMountain, &art::kMapMistMountain, &art::kMapMistMountainPushed},
      {Arena::Dungeon, &art::kMapDungeon, &art::kMapDungeonPushed},
      {Arena::RiverOfLife, &art::kMapRiverOfLife, &art::kMapRiverOfLifePushed}};
  for (const auto &[arena, normal, pushed] : maps) {
    set.bitmaps[normal->path] = MapButton(set, arena, false);
    set.bitmaps[pushed->path] = MapButton(set, arena, true);
  }
  set.bitmaps[art::kCursor.path] = Cursor();
}

} // namespace artgen
