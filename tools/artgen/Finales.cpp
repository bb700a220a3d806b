// Pictures that end things: the tournament's victory and defeat, and the closing picture.
//
// Winner and Loser are drawn full screen with "You are VICTOURIOUS! " or "You are DEFEATED! " in
// yellow from (300, 200): both keep a dark plaque behind the rectangle (300, 200)..(550, 400).
#include "Generators.h"
#include "Materials.h"
#include "Noise.h"
#include "Scenery.h"

#include "app/ArtManifest.h"

#include <cmath>

namespace artgen {
namespace {

constexpr int W = 800, H = 600;

// The dark plaque behind the message, framed in gold.
void Plaque(Canvas &c, Color field, uint32_t seed) {
  Canvas mask = RoundedMask(W, H, 270, 170, 310, 260, 14);
  c.Over(BevelledPanel(
             mask,
             [&](float x, float y) { return Scale(field, 1 + 0.08f * Fbm(x * 0.03f, y * 0.03f, seed, 4)); },
             Bevel{6, 4, false, 24, 0.3f}),
         0, 0);
  Canvas frame = PaintWith(W, H, [&](cairo_t *cr) {
    RoundedRect(cr, 278, 178, 294, 244, 10);
    cairo_set_line_width(cr, 2.5);
    cairo_set_source_rgba(cr, 0.92, 0.74, 0.32, 1);
    cairo_stroke(cr);
  });
  c.Over(frame, 0, 0);
}

// Rays of light fanning out from a point.
void Rays(Canvas &c, float cx, float cy, Color colour, float strength, uint32_t seed) {
  ParallelRows(H, [&](int y) {
    for (int x = 0; x < W; ++x) {
      float angle = std::atan2(y - cy, x - cx);
      float d = std::hypot(x - cx, y - cy);
      float ray = std::pow(0.5f + 0.5f * std::sin(angle * 18 + 2 * Noise(angle * 3, 0.5f, seed)), 6.0f);
      float a = strength * ray * std::exp(-d / 420) * SmoothStep(10, 80, d);
      c.Blend(x, y, colour, Clamp01(a));
    }
  });
}

Canvas Crown(float cx, float cy, float scale) {
  return PaintWith(W, H, [&](cairo_t *cr) {
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, scale, scale);
    cairo_move_to(cr, -60, 30);
    cairo_line_to(cr, -70, -30);
    cairo_line_to(cr, -35, 0);
    cairo_line_to(cr, 0, -50);
    cairo_line_to(cr, 35, 0);
    cairo_line_to(cr, 70, -30);
    cairo_line_to(cr, 60, 30);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill(cr);
    for (auto [bx, by] : {std::pair{-70, -36}, {0, -57}, {70, -36}}) {
      cairo_arc(cr, bx, by, 8, 0, 2 * M_PI);
      cairo_fill(cr);
    }
    cairo_rectangle(cr, -62, 34, 124, 14);
    cairo_fill(cr);
  });
}

// A laurel branch: leaves along an arc from angle a0 to a1 around (cx, cy).
Canvas Laurel(float cx, float cy, float radius, float a0, float a1) {
  return PaintWith(W, H, [&](cairo_t *cr) {
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    const int leaves = 14;
    for (int i = 0; i < leaves; ++i) {
      float a = a0 + (a1 - a0) * i / (leaves - 1);
      float x = cx + radius * std::cos(a), y = cy + radius * std::sin(a);
      for (int side = -1; side <= 1; side += 2) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a + (a1 > a0 ? 1 : -1) * 1.5708 + side * 0.6);
        cairo_scale(cr, 1, 0.42);
        cairo_arc(cr, 12, 0, 11, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_restore(cr);
      }
    }
  });
}

Bitmap Winner() {
  Canvas c(W, H);
  const Gradient ramp{{0.0f, Rgb(40, 26, 70)}, {0.5f, Rgb(24, 18, 52)}, {1.0f, Rgb(10, 8, 24)}};
  PaintSky(c, ramp, 0, H, 400, 110, 300, Color{1.0f, 0.8f, 0.4f, 0.55f}, 801);
  Rays(c, 400, 110, Rgb(255, 214, 120), 0.55f, 802);
  PaintStars(c, 600, 120, 803);
  c.Over(BevelledPanel(
             Crown(400, 100, 1.0f),
             [](float x, float y) { return Gold(0.55f + 0.25f * std::sin((x - y) * 0.04f)); },
             Bevel{5, 5, false, 30, 0.8f}),
         0, 0);
  Canvas laurels = Laurel(425, 300, 200, 2.2f, 3.9f);
  laurels.Over(Laurel(375, 300, 200, 0.94f, -0.76f), 0, 0);
  c.Over(BevelledPanel(
             laurels,
             [](float x, float y) {
               return Mix(Rgb(60, 120, 40), Gold(0.7f),
                          Clamp01(0.5f + 0.5f * std::sin(x * 0.05f + y * 0.03f)));
             },
             Bevel{3, 2, false, 20, 0.4f}),
         0, 0);
  Plaque(c, Rgb(18, 12, 40), 804);
  Vignette(c, 0.4f, 560, 0.2f);
  return Bitmap::FromCanvas(c);
}

Bitmap Loser() {
  Canvas c(W, H);
  const Gradient ramp{{0.0f, Rgb(30, 24, 30)}, {0.55f, Rgb(58, 22, 26)}, {1.0f, Rgb(14, 10, 12)}};
  PaintSky(c, ramp, 0, H, 160, 90, 200, Color{0.6f, 0.55f, 0.6f, 0.25f}, 811);
  // A bare moor under the storm, with a ruined tower on the skyline.
  ParallelRows(H, [&](int y) {
    for (int x = 0; x < W; ++x) {
      float ground = 430 + 18 * std::sin(x / 130.0f) + 10 * Fbm(x / 90.0f, 0.5f, 812, 3);
      if (y < ground) continue;
      float t = Clamp01((y - ground) / 170);
      Color col = Mix(Rgb(46, 28, 32), Rgb(12, 8, 10), t);
      col = Scale(col, 1 + 0.15f * Strokes(float(x), float(y), 815, 0.05f, 1.5f));
      col.a = 1;
      c.Set(x, y, col);
    }
  });
  Canvas tower = PaintWith(W, H, [&](cairo_t *cr) {
    cairo_move_to(cr, 96, 440);
    cairo_line_to(cr, 104, 330);
    cairo_line_to(cr, 112, 322);
    cairo_line_to(cr, 118, 334);
    cairo_line_to(cr, 126, 318);
    cairo_line_to(cr, 134, 340);
    cairo_line_to(cr, 142, 440);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 0.07, 0.04, 0.05, 1);
    cairo_fill(cr);
  });
  c.Over(tower, 0, 0);
  // Rain slanting in from the upper left.
  Rng rng(813);
  for (int i = 0; i < 900; ++i) {
    float x = rng.Range(-100, W), y = rng.Range(0, H), len = rng.Range(8, 22);
    for (int k = 0; k < int(len); ++k)
      c.Blend(int(x + k * 0.35f), int(y + k), Rgb(160, 150, 170), 0.18f);
  }
  // A broken sword lying across the foreground, and the fallen crown.
  Canvas blade = PaintWith(W, H, [&](cairo_t *cr) {
    cairo_translate(cr, 400, 505);
    cairo_rotate(cr, -0.12);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_rectangle(cr, -200, -6, 150, 12); // hilt half of the blade
    cairo_fill(cr);
    cairo_rectangle(cr, -222, -26, 12, 52); // guard
    cairo_fill(cr);
    cairo_rectangle(cr, -262, -5, 42, 10); // grip
    cairo_fill(cr);
    cairo_move_to(cr, -50, -6); // jagged break
    cairo_line_to(cr, -44, -2);
    cairo_line_to(cr, -52, 3);
    cairo_line_to(cr, -46, 6);
    cairo_line_to(cr, -50, 6);
    cairo_fill(cr);
    cairo_move_to(cr, 10, -5); // the broken-off point half
    cairo_line_to(cr, 150, -4);
    cairo_line_to(cr, 180, 2);
    cairo_line_to(cr, 150, 8);
    cairo_line_to(cr, 14, 7);
    cairo_line_to(cr, 18, 1);
    cairo_close_path(cr);
    cairo_fill(cr);
  });
  c.Over(BevelledPanel(
             blade,
             [](float x, float) {
               return Mix(Rgb(90, 90, 100), Rgb(170, 170, 184), 0.5f + 0.5f * std::sin(x * 0.02f));
             },
             Bevel{3, 2, false, 30, 0.5f}),
         0, 0);
  Canvas crown = Crown(640, 470, 0.55f);
  c.Over(BevelledPanel(
             crown, [](float, float) { return Scale(Gold(0.45f), 0.7f); }, Bevel{4, 3, false, 20, 0.3f}),
         0, 0);
  Plaque(c, Rgb(26, 10, 14), 814);
  Vignette(c, 0.5f, 560, 0.2f);
  return Bitmap::FromCanvas(c);
}

// The closing picture: the peaks under the moon, the game's name and a farewell.
Bitmap End() {
  constexpr int EW = 799, EH = 599;
  Canvas c(EW, EH);
  const Gradient ramp{{0.0f, Rgb(6, 8, 24)}, {0.55f, Rgb(30, 30, 70)}, {1.0f, Rgb(110, 90, 120)}};
  PaintSky(c, ramp, 0, 460, 200, 140, 200, Color{1.0f, 0.92f, 0.8f, 0.5f}, 821);
  PaintStars(c, 380, 260, 822);
  AddGlow(c, 200, 140, 24, Rgb(255, 244, 220), 1.0f);
  MountainRange far{460,
                    200,
                    220,
                    Rgb(120, 112, 150),
                    Rgb(50, 48, 84),
                    Color{0.9f, 0.9f, 0.97f, 1},
                    0.6f,
                    Rgb(110, 94, 130),
                    0.4f,
                    823};
  far.depthBelow = 200;
  MountainRange nearRange{540,
                          150,
                          140,
                          Rgb(60, 56, 80),
                          Rgb(14, 14, 28),
                          Color{0.75f, 0.78f, 0.88f, 0.7f},
                          0.75f,
                          Rgb(60, 52, 80),
                          0.1f,
                          824};
  nearRange.depthBelow = 200;
  PaintMountains(c, far);
  PaintMist(c, 380, 500, Rgb(150, 130, 160), 0.6f, 825);
  PaintMountains(c, nearRange);
  Lettering name;
  name.text = "Ravelmark";
  name.size = 96;
  name.centreX = 400;
  name.centreY = 250;
  name.top = Rgb(255, 246, 210);
  name.bottom = Rgb(214, 160, 64);
  name.outline = Rgb(20, 12, 30);
  name.outlineWidth = 2;
  name.shadow = Color{0, 0, 0, 0.7f};
  name.shadowDx = 4;
  name.shadowDy = 4;
  DrawLettering(c, name);
  Lettering bye = name;
  bye.text = "Farewell, until the next game";
  bye.size = 34;
  bye.centreY = 330;
  bye.outlineWidth = 1.2;
  bye.shadowDx = bye.shadowDy = 2;
  DrawLettering(c, bye);
  Vignette(c, 0.4f, 520, 0.3f);
  return Bitmap::FromCanvas(c);
}

} // namespace

void PaintFinales(ArtSet &set) {
  set.bitmaps[art::kWinner.path] = Winner();
  set.bitmaps[art::kLoser.path] = Loser();
  set.bitmaps[art::kEnd.path] = End();
}

} // namespace artgen
