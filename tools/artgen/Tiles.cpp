// Board tiles: a diamond face with a thickness below its two front edges.
//
// A tile is drawn with its top-left corner at its square's screen position; neighbouring squares
// are (+47, -23) and (+45, +22) apart, so the face is the parallelogram L (2, 23), T (49, 0),
// R (94, 22), B (47, 45) of the 127 x 63 bitmap. Tiles are drawn back to front: only the board's
// outer rim shows the sides. The glass tiles are drawn at alpha 100 to 150 over their scenes, so
// they carry bright bevels, streaks and glints; the rock tiles are opaque.
#include "Generators.h"
#include "Noise.h"

#include "app/ArtManifest.h"

#include <cmath>

namespace artgen {
namespace {

constexpr int kWidth = 127, kHeight = 63;
constexpr float kLx = 2, kLy = 23;            // left corner of the face
constexpr float kAx = 47, kAy = -23;          // L -> T (one column)
constexpr float kBx = 45, kBy = 22;           // L -> B (one row)
constexpr float kDet = kAx * kBy - kAy * kBx; // 2069
constexpr float kThickness = 10;

// Face coordinates of a point: u along L->T, v along L->B; the face is 0..1 in both.
void FaceCoords(float px, float py, float &u, float &v) {
  float dx = px - kLx, dy = py - kLy;
  u = (dx * kBy - dy * kBx) / kDet;
  v = (kAx * dy - kAy * dx) / kDet;
}

// Distances in pixels from the four edges: v = 0 (upper left), u = 1 (upper right),
// v = 1 (lower right), u = 0 (lower left).
struct EdgeDistances {
  float upperLeft, upperRight, lowerRight, lowerLeft;
  float Min() const { return std::min(std::min(upperLeft, upperRight), std::min(lowerRight, lowerLeft)); }
};
EdgeDistances Edges(float u, float v) {
  const float acrossV = kDet / std::hypot(kAx, kAy), acrossU = kDet / std::hypot(kBx, kBy);
  return {v * acrossV, (1 - u) * acrossU, (1 - v) * acrossV, u * acrossU};
}

Canvas Polygon(std::initializer_list<std::pair<float, float>> points) {
  return PaintWith(kWidth, kHeight, [&](cairo_t *cr) {
    bool first = true;
    for (auto [x, y] : points) {
      if (first)
        cairo_move_to(cr, x, y);
      else
        cairo_line_to(cr, x, y);
      first = false;
    }
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill(cr);
  });
}

Canvas FaceMask() {
  return Polygon(
      {{kLx, kLy}, {kLx + kAx, kLy + kAy}, {kLx + kAx + kBx, kLy + kAy + kBy}, {kLx + kBx, kLy + kBy}});
}
Canvas LeftSideMask() {
  return Polygon(
      {{kLx, kLy}, {kLx + kBx, kLy + kBy}, {kLx + kBx, kLy + kBy + kThickness}, {kLx, kLy + kThickness}});
}
Canvas RightSideMask() {
  float bx = kLx + kBx, by = kLy + kBy, rx = kLx + kAx + kBx, ry = kLy + kAy + kBy;
  return Polygon({{bx, by}, {rx, ry}, {rx, ry + kThickness}, {bx, by + kThickness}});
}

struct TileStyle {
  bool glass;
  Color base;     // face colour in the middle
  Color light;    // face colour toward the lit corner
  Color side;     // colour of the thickness
  Color edgeGlow; // bright bevel and streak colour
  uint32_t seed;
};

// Height of the face: a bevel of about three pixels along every edge.
float FaceHeight(float u, float v) {
  EdgeDistances e = Edges(u, v);
  float d = e.Min();
  float t = Clamp01(d / 3.2f);
  return 2.2f * std::sqrt(1 - (1 - t) * (1 - t));
}

Color GlassFace(const TileStyle &s, float u, float v, float diffuse, float x, float y) {
  EdgeDistances e = Edges(u, v);
  // Body: lighter toward the upper corner, deeper toward the front.
  float t = Clamp01(0.55f * (1 - v) + 0.45f * u);
  Color c = Mix(s.base, s.light, t);
  c = Scale(c, 0.75f + 0.45f * diffuse);
  // Veils inside the glass.
  float veil = Fbm(x * 0.05f + 3, y * 0.09f, s.seed, 4);
  c = Mix(c, s.light, Clamp01(0.18f + 0.22f * veil));
  // Two reflected streaks across the face, parallel to the light's slant.
  float streakAxis = u * 0.9f - v * 0.55f;
  float streak = std::exp(-std::pow((streakAxis - 0.18f) / 0.06f, 2.0f)) * 0.75f +
                 std::exp(-std::pow((streakAxis - 0.02f) / 0.025f, 2.0f)) * 0.55f;
  streak *= SmoothStep(0.0f, 0.25f, v) * SmoothStep(1.0f, 0.6f, v);
  c = Mix(c, s.edgeGlow, Clamp01(streak));
  // Bright rims where light enters the glass, strongest on the upper-left edges.
  float rimUL = std::exp(-e.upperLeft / 1.3f), rimUR = std::exp(-e.upperRight / 1.3f);
  float rimFront = std::exp(-std::min(e.lowerLeft, e.lowerRight) / 1.0f);
  c = Mix(c, s.edgeGlow, Clamp01(rimUL * 0.95f + rimUR * 0.6f + rimFront * 0.5f));
  // A star glint near the top corner.
  float gx = x - 46, gy = y - 8;
  float glint = std::exp(-(gx * gx + gy * gy) / 4.0f) + 0.6f * std::exp(-(gy * gy) / 0.5f - gx * gx / 30.0f) +
                0.6f * std::exp(-(gx * gx) / 0.5f - gy * gy / 14.0f);
  c = Mix(c, Rgb(255, 255, 255), Clamp01(glint));
  return c;
}

Color RockFace(const TileStyle &s, float u, float v, float diffuse, float specular, float x, float y,
               bool moon) {
  (void)u;
  (void)v;
  float n = Fbm(x * 0.06f, y * 0.12f, s.seed, 5);
  float speck = Noise(x * 0.9f, y * 1.7f, s.seed + 9);
  Color c = Mix(s.base, s.light, Clamp01(0.5f + 0.5f * n));
  c = Scale(c, 1 + 0.06f * speck);
  if (moon) {
    // Craters, squashed to lie flat in the face: a shaded bowl (dark toward the light, lit on
    // the far side) inside a pale rim.
    float fx, fy;
    uint32_t id;
    NearestFeature(x * 0.075f, y * 0.15f, s.seed + 3, fx, fy, id);
    float dx = x * 0.075f - fx, dy = y * 0.15f - fy;
    float radius = 0.18f + 0.14f * float(id & 255) / 255.0f;
    float d = std::hypot(dx, dy) / radius;
    if ((id >> 8) % 3 != 0 && d < 1.25f) {
      float bowl = 1 - SmoothStep(0.75f, 0.95f, d);
      float side = (dx + dy) / (radius * 1.4f); // > 0 on the lower right, which faces the light
      float rim = SmoothStep(0.8f, 0.95f, d) * (1 - SmoothStep(1.0f, 1.25f, d));
      c = Scale(c, 1 + bowl * (-0.22f + 0.3f * side) + rim * (0.16f - 0.1f * side));
    }
    c = Scale(c, 1 + 0.05f * Noise(x * 0.5f, y * 1.0f, s.seed + 6));
  } else {
    // Polished slate with pale veins.
    float vein = std::pow(Ridged(x * 0.035f, y * 0.07f, s.seed + 4, 4), 5.0f);
    c = Mix(c, Rgb(150, 140, 128), Clamp01(vein * 0.7f));
  }
  c = Scale(c, 0.62f + 0.55f * diffuse);
  c = Mix(c, Rgb(255, 250, 240), Clamp01(specular * (moon ? 0.15f : 0.6f)));
  return c;
}

Color SideColour(const TileStyle &s, float along, float down, float x, float y, bool leftSide) {
  // Light from the upper left: the left-hand side faces it, the right-hand one turns away.
  Color c = Scale(s.side, leftSide ? 1.0f : 0.72f);
  c = Scale(c, 1.05f - 0.35f * down);
  if (s.glass) {
    // Light gathers along the bottom edge of the glass and at its corner.
    float bottom = std::exp(-(1 - down) * kThickness / 1.2f);
    float top = std::exp(-down * kThickness / 0.8f);
    c = Mix(c, s.edgeGlow, Clamp01(bottom * 0.75f + top * 0.5f));
  } else {
    float strata = Fbm(x * 0.05f, y * 0.6f, s.seed + 21, 3);
    c = Scale(c, 1 + 0.12f * strata);
    float top = std::exp(-down * kThickness / 0.9f);
    c = Mix(c, s.light, Clamp01(top * 0.35f));
  }
  (void)along;
  return c;
}

Bitmap PaintTile(const TileStyle &s, bool moon = false) {
  Canvas face = FaceMask(), left = LeftSideMask(), right = RightSideMask();
  HeightField h(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      float u, v;
      FaceCoords(x + 0.5f, y + 0.5f, u, v);
      h.At(x, y) = FaceHeight(Clamp01(u), Clamp01(v));
    }
  Canvas out(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      float px = x + 0.5f, py = y + 0.5f;
      float u, v;
      FaceCoords(px, py, u, v);
      float fa = face.Alpha(x, y), la = left.Alpha(x, y), ra = right.Alpha(x, y);
      Color c{0, 0, 0, 0};
      if (la > 0.01f || ra > 0.01f) {
        bool leftSide = la >= ra;
        // Position along the side and how far down its thickness.
        float topY = leftSide ? kLy + (px - kLx) * kBy / kBx : (kLy + kBy) + (px - kLx - kBx) * kAy / kAx;
        float down = Clamp01((py - topY) / kThickness);
        c = SideColour(s, leftSide ? u : v, down, px, py, leftSide);
        c.a = std::max(la, ra);
      }
      if (fa > 0.01f) {
        float cu = Clamp01(u), cv = Clamp01(v);
        Color f = s.glass ? GlassFace(s, cu, cv, h.Diffuse(x, y), px, py)
                          : RockFace(s, cu, cv, h.Diffuse(x, y), h.Specular(x, y, 18), px, py, moon);
        f.a = fa;
        float a = fa + c.a * (1 - fa);
        c = Color{(f.r * fa + c.r * c.a * (1 - fa)) / a, (f.g * fa + c.g * c.a * (1 - fa)) / a,
                  (f.b * fa + c.b * c.a * (1 - fa)) / a, a};
      }
      if (c.a > 0) out.Set(x, y, c);
    }
  return Bitmap::FromCanvas(out, Edge::Hard);
}

// The selected-square overlay: a glowing rim on the face, see-through in the middle.
Bitmap PaintSelected() {
  Canvas out(kWidth, kHeight);
  Canvas face = FaceMask();
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      if (face.Alpha(x, y) < 0.5f) continue;
      float u, v;
      FaceCoords(x + 0.5f, y + 0.5f, u, v);
      EdgeDistances e = Edges(Clamp01(u), Clamp01(v));
      float d = e.Min();
      float rim = SmoothStep(3.0f, 1.4f, d);
      float glow = d < 6.0f ? 0.7f * (1 - d / 6.0f) : 0.0f;
      float a = std::max(rim, glow);
      if (a < 0.02f) continue;
      Color c = Mix(Rgb(255, 190, 70), Rgb(255, 250, 215), rim);
      out.Set(x, y, Color{c.r, c.g, c.b, a});
    }
  // The rim itself is solid; the glow inside it is spread by dithering.
  Canvas solid(kWidth, kHeight), soft(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      Color c = out.Get(x, y);
      if (c.a >= 0.9f)
        solid.Set(x, y, Color{c.r, c.g, c.b, 1});
      else if (c.a > 0)
        soft.Set(x, y, c);
    }
  Bitmap b = Bitmap::FromCanvas(soft, Edge::Dither);
  b.Stamp(Bitmap::FromCanvas(solid, Edge::Hard));
  return b;
}

} // namespace

void PaintTiles(ArtSet &set) {
  const TileStyle whiteGlass{
      true, Rgb(170, 200, 228), Rgb(236, 244, 255), Rgb(120, 160, 205), Rgb(255, 255, 255), 31};
  const TileStyle blueGlass{true, Rgb(22, 62, 170), Rgb(70, 140, 245), Rgb(16, 40, 120), Rgb(190, 225, 255),
                            32};
  const TileStyle greyGlass{true, Rgb(34, 38, 50), Rgb(96, 102, 122), Rgb(24, 26, 36), Rgb(200, 210, 232),
                            33};
  const TileStyle smoothRock{false, Rgb(62, 56, 54), Rgb(104, 96, 90), Rgb(44, 38, 36), Rgb(0, 0, 0), 34};
  const TileStyle moonRock{false, Rgb(150, 156, 172), Rgb(196, 202, 214), Rgb(92, 96, 110), Rgb(0, 0, 0), 35};
  set.bitmaps[art::kWhiteGlassTile.path] = PaintTile(whiteGlass);
  set.bitmaps[art::kBlueGlassTile.path] = PaintTile(blueGlass);
  set.bitmaps[art::kGreyGlassTile.path] = PaintTile(greyGlass);
  set.bitmaps[art::kSmoothRockTile.path] = PaintTile(smoothRock);
  set.bitmaps[art::kMoonRockTile.path] = PaintTile(moonRock, true);
  set.bitmaps[art::kSelectedTile.path] = PaintSelected();
}

} // namespace artgen
