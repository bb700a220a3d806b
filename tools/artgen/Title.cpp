// The title sequence: the studio's emblem (shown first, fading out), the logo file from which the
// studio's name is drawn pixel by pixel in the colour of Pixel.bmp, and ten frames in which a
// sword is drawn and gleams, shown at (125, 300), below the name (which ends at about y 295).
#include "Generators.h"
#include "Materials.h"
#include "Noise.h"

#include "app/ArtManifest.h"

#include <cmath>

namespace artgen {
namespace {

const Color kLogoColour = Rgb(226, 186, 98);

// A heron standing among crossing reeds under the moon, inside a bronze ring.
Bitmap Xing() {
  constexpr int S = 255;
  const float cx = 127.5f, cy = 127.5f;
  Canvas c(S, S);
  Canvas disc = DiscMask(S, S, cx, cy, 120);
  c.Over(BevelledPanel(
             disc,
             [](float x, float y) {
               return Mix(Rgb(120, 76, 40), Rgb(200, 150, 90),
                          Clamp01(0.5f + 0.4f * std::sin((x + y) * 0.03f)));
             },
             Bevel{8, 5, false, 26, 0.5f}),
         0, 0);
  Canvas field = DiscMask(S, S, cx, cy, 106);
  c.Over(BevelledPanel(
             field,
             [&](float x, float y) {
               Color sky = Mix(Rgb(16, 40, 52), Rgb(4, 14, 22), Clamp01((y - 30) / 200));
               float d = std::hypot(x - 160, y - 92);
               sky = Mix(sky, Rgb(236, 230, 200), Clamp01(27 - d)); // the moon
               sky = Mix(sky, Rgb(60, 90, 96), Clamp01(std::exp(-d / 40) * 0.6f));
               if (y > 178)
                 sky =
                     Mix(sky, Rgb(20, 50, 56), Clamp01((y - 178) / 10) * (0.6f + 0.2f * std::sin(x * 0.3f)));
               return sky;
             },
             Bevel{4, -3, false, 10, 0.1f}),
         0, 0);
  // Reeds crossing, and the heron in silhouette with a pale rim where the moon catches it.
  Canvas figure = PaintWith(S, S, [&](cairo_t *cr) {
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double reeds[][4] = {
        {40, 200, 96, 60}, {70, 215, 60, 70}, {200, 210, 178, 64}, {214, 200, 226, 90}, {186, 214, 214, 110}};
    for (const auto &r : reeds) {
      cairo_move_to(cr, r[0], r[1]);
      cairo_curve_to(cr, r[0], r[1] - 60, r[2], r[3] + 40, r[2], r[3]);
      cairo_set_line_width(cr, 2.2);
      cairo_stroke(cr);
      cairo_save(cr);
      cairo_translate(cr, r[2], r[3] + 14);
      cairo_scale(cr, 0.35, 1);
      cairo_arc(cr, 0, 0, 10, 0, 2 * M_PI);
      cairo_restore(cr);
      cairo_fill(cr);
    }
    // Heron: body, S-shaped neck, head with a long bill, two legs.
    cairo_move_to(cr, 100, 150);
    cairo_curve_to(cr, 110, 128, 150, 124, 166, 140);
    cairo_curve_to(cr, 172, 148, 160, 160, 140, 162);
    cairo_curve_to(cr, 124, 164, 106, 160, 100, 150);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_move_to(cr, 116, 140);
    cairo_curve_to(cr, 100, 124, 122, 110, 112, 92);
    cairo_curve_to(cr, 106, 82, 112, 74, 120, 76);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    cairo_arc(cr, 120, 76, 6, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_move_to(cr, 124, 72);
    cairo_line_to(cr, 156, 80);
    cairo_line_to(cr, 124, 80);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_move_to(cr, 118, 74); // crest
    cairo_line_to(cr, 96, 68);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (double lx : {132.0, 142.0}) {
      cairo_move_to(cr, lx, 160);
      cairo_line_to(cr, lx + 2, 206);
      cairo_set_line_width(cr, 2.2);
      cairo_stroke(cr);
    }
  });
  c.Over(BevelledPanel(
             figure,
             [](float x, float y) {
               return Mix(Rgb(10, 16, 22), Rgb(150, 170, 170),
                          Clamp01(0.15f - (x - 160) * 0.002f - (y - 90) * 0.002f));
             },
             Bevel{2, 1.5f, false, 20, 0.5f}),
         0, 0);
  Lettering word;
  word.text = "FENMARROW";
  word.face = Face::Roman;
  word.size = 15;
  word.centreX = cx;
  word.centreY = 226;
  word.top = Rgb(255, 236, 190);
  word.bottom = Rgb(200, 150, 80);
  word.outline = Rgb(40, 20, 8);
  word.outlineWidth = 0.8;
  DrawLettering(c, word);
  return Bitmap::FromCanvas(c, Edge::Hard);
}

// 128 rows x 512 pixels x 3 bytes. Only each pixel's first byte decides whether it is drawn; the
// other two carry the same mask so the file also reads as a picture.
std::vector<unsigned char> LogoFile() {
  constexpr int W = 512, H = 128;
  Canvas c(W, H);
  Lettering name;
  name.text = "F E N M A R R O W";
  name.face = Face::Roman;
  name.size = 62;
  name.centreX = W / 2.0;
  name.centreY = 46;
  name.maxWidth = 490;
  name.top = name.bottom = Rgb(255, 255, 255);
  DrawLettering(c, name);
  // A rule with a diamond under the name.
  Canvas rule = PaintWith(W, H, [&](cairo_t *cr) {
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_rectangle(cr, 40, 86, 190, 2);
    cairo_rectangle(cr, 282, 86, 190, 2);
    cairo_fill(cr);
    cairo_move_to(cr, 256, 80);
    cairo_line_to(cr, 264, 87);
    cairo_line_to(cr, 256, 94);
    cairo_line_to(cr, 248, 87);
    cairo_close_path(cr);
    cairo_fill(cr);
  });
  c.Over(rule, 0, 0);
  std::vector<unsigned char> bytes(size_t(W) * H * 3, 0);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      unsigned char on = c.Alpha(x, y) >= 0.5f ? 255 : 0;
      for (int k = 0; k < 3; ++k)
        bytes[(size_t(y) * W + x) * 3 + k] = on;
    }
  return bytes;
}

Bitmap Pixel() {
  Bitmap b(1, 1);
  b.At(0, 0)[0] = uint8_t(kLogoColour.r * 255 + 0.5f);
  b.At(0, 0)[1] = uint8_t(kLogoColour.g * 255 + 0.5f);
  b.At(0, 0)[2] = uint8_t(kLogoColour.b * 255 + 0.5f);
  return b;
}

// Sword frame i (1..10): the blade slides out of the darkness (frames 1..6), then a gleam runs
// along it (7..9) and a star of light sits at its point (10, the frame that stays).
Bitmap SwordFrame(int frame) {
  constexpr int W = 511, H = 127;
  const float midY = 60;
  const float hiltX = 20, guardX = 92, tipX = 490;
  const float drawn = frame >= 6 ? 1.0f : (frame - 1) / 5.0f; // share of the blade out
  const float bladeEnd = guardX + (tipX - guardX) * drawn;
  Canvas mask = PaintWith(W, H, [&](cairo_t *cr) {
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    // Blade: tapering, with a point; only the part already drawn shows.
    cairo_save(cr);
    cairo_rectangle(cr, guardX, 0, std::max(0.0f, bladeEnd - guardX), H);
    cairo_clip(cr);
    cairo_move_to(cr, guardX, midY - 8);
    cairo_line_to(cr, tipX - 34, midY - 6);
    cairo_line_to(cr, tipX, midY);
    cairo_line_to(cr, tipX - 34, midY + 6);
    cairo_line_to(cr, guardX, midY + 8);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
  });
  Canvas hilt = PaintWith(W, H, [&](cairo_t *cr) {
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    RoundedRect(cr, guardX - 8, midY - 34, 12, 68, 5); // cross-guard
    cairo_fill(cr);
    RoundedRect(cr, hiltX + 14, midY - 6, guardX - hiltX - 20, 12, 5); // grip
    cairo_fill(cr);
    cairo_arc(cr, hiltX + 8, midY, 11, 0, 2 * M_PI); // pommel
    cairo_fill(cr);
  });
  Canvas c(W, H);
  c.Over(BevelledPanel(
             mask,
             [&](float x, float y) {
               // Steel with a bright fuller down the middle.
               float across = std::fabs(y - midY) / 8;
               Color steel = Mix(Rgb(236, 240, 250), Rgb(120, 128, 150), Clamp01(across));
               if (across < 0.25f) steel = Mix(steel, Rgb(170, 180, 204), 0.6f);
               return Scale(steel, 0.9f + 0.1f * std::sin(x * 0.05f));
             },
             Bevel{2, 2, false, 40, 0.7f}),
         0, 0);
  c.Over(BevelledPanel(
             hilt,
             [&](float x, float y) {
               bool grip = x > hiltX + 20 && x < guardX - 10 && std::fabs(y - midY) < 6;
               if (grip) return ((int(x) / 3) % 2) ? Rgb(70, 36, 24) : Rgb(100, 54, 34); // leather binding
               return Gold(0.6f);
             },
             Bevel{3, 3, false, 30, 0.7f}),
         0, 0);
  // The gleam: a bright band travelling along the blade, then a star at the point.
  if (frame >= 7) {
    float at = frame == 10 ? tipX - 4 : guardX + (tipX - guardX) * (0.25f + 0.3f * (frame - 7));
    float size = frame == 10 ? 1.0f : 0.7f;
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) {
        float dx = x + 0.5f - at, dy = y + 0.5f - midY;
        float band = std::exp(-dx * dx / 60.0f) * (mask.Alpha(x, y) > 0.5f ? 0.8f : 0.0f);
        float star = size * (std::exp(-(dx * dx + dy * dy) / 18.0f) +
                             0.9f * std::exp(-dy * dy / 1.5f - dx * dx / 900.0f) +
                             0.9f * std::exp(-dx * dx / 1.5f - dy * dy / 500.0f));
        float a = Clamp01(std::max(band, star));
        if (a > 0.35f)
          c.Blend(x, y, Rgb(255, 252, 236), 1.0f);
        else if (a > 0.02f && c.Alpha(x, y) > 0.5f)
          c.Blend(x, y, Rgb(255, 252, 236), a);
      }
  }
  return Bitmap::FromCanvas(c, Edge::Hard);
}

} // namespace

void PaintTitle(ArtSet &set) {
  set.bitmaps[art::kXing.path] = Xing();
  set.bitmaps[art::kPixel.path] = Pixel();
  set.raw[art::kTitleLogo.path] = LogoFile();
  for (int i = 1; i <= 10; ++i)
    set.bitmaps[art::kSwordFrames[i - 1].path] = SwordFrame(i);
}

} // namespace artgen
