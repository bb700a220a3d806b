// The twelve chessmen: turned ivory for White, polished dark stone for Black.
//
// Each piece is modelled in a small 3D space (x right, y up, z toward the viewer, one unit one
// pixel) from lathe profiles, boxes, balls and, for the knight, a relief of a horse's head. The
// model is seen from the board's own angle (ground circles become ellipses half as tall as wide)
// and splatted point by point into a supersampled depth buffer, then lit from the upper left.
// The base's centre lands on (36, 76.5) of the 63 x 127 bitmap: the middle of a tile's face
// when the piece is drawn at its square's anchor.
#include "Generators.h"
#include "Noise.h"

#include "app/ArtManifest.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace artgen {
namespace {

constexpr int kWidth = 63, kHeight = 127;
constexpr int kSuper = 4; // subsamples per pixel along each axis
constexpr float kBaseX = 36.0f, kBaseY = 76.5f;
constexpr float kSinView = 0.49f; // the board's tiles are half as tall as wide
const float kCosView = std::sqrt(1 - kSinView * kSinView);
constexpr float kStep = 0.09f; // sample spacing on surfaces, in pixels

enum Part : uint8_t { kNone, kBody, kSlit, kEye, kMane };

struct Sample {
  float depth = -1e9f;
  Vec3 normal;      // screen space
  float height = 0; // model y, for the occlusion near the ground
  uint8_t part = kNone;
};

// Supersampled depth buffer that model surfaces are splatted into.
class Splatter {
public:
  Splatter() : buf_(size_t(kWidth * kSuper) * kHeight * kSuper) {}

  // p: model point; n: model normal (need not be unit).
  void Point(float x, float y, float z, Vec3 n, uint8_t part = kBody) {
    float sx = kBaseX + x;
    float sy = kBaseY - y * kCosView + z * kSinView;
    float depth = y * kSinView + z * kCosView;
    int ix = int(std::floor(sx * kSuper)), iy = int(std::floor(sy * kSuper));
    if (ix < 0 || iy < 0 || ix >= kWidth * kSuper || iy >= kHeight * kSuper) return;
    Sample &s = buf_[size_t(iy) * kWidth * kSuper + ix];
    if (depth <= s.depth) return;
    s.depth = depth;
    s.normal = Normalize(Vec3{n.x, -n.y * kCosView + n.z * kSinView, n.y * kSinView + n.z * kCosView});
    s.height = y;
    s.part = part;
  }

  const Sample &At(int sx, int sy) const { return buf_[size_t(sy) * kWidth * kSuper + sx]; }
  Sample &At(int sx, int sy) { return buf_[size_t(sy) * kWidth * kSuper + sx]; }

private:
  std::vector<Sample> buf_;
};

// A lathe profile: (radius, height) points from the bottom edge to the axis at the top, possibly
// turning back on itself (a hollow top). Smoothed with Catmull-Rom and walked at even spacing.
struct ProfilePoint {
  float r, y;
};

using PartFilter = uint8_t (*)(float x, float y, float z, float angle);

void Lathe(Splatter &s, const std::vector<ProfilePoint> &points, PartFilter filter = nullptr) {
  // Dense polyline through the points.
  std::vector<ProfilePoint> line;
  for (size_t i = 0; i + 1 < points.size(); ++i) {
    ProfilePoint p0 = points[i == 0 ? 0 : i - 1], p1 = points[i], p2 = points[i + 1];
    ProfilePoint p3 = points[std::min(i + 2, points.size() - 1)];
    for (int k = 0; k < 16; ++k) {
      float t = k / 16.0f, t2 = t * t, t3 = t2 * t;
      auto cr = [&](float a, float b, float c, float d) {
        return 0.5f *
               (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (-a + 3 * b - 3 * c + d) * t3);
      };
      line.push_back({std::max(0.0f, cr(p0.r, p1.r, p2.r, p3.r)), cr(p0.y, p1.y, p2.y, p3.y)});
    }
  }
  line.push_back(points.back());
  float carry = 0;
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    ProfilePoint a = line[i], b = line[i + 1];
    float dr = b.r - a.r, dy = b.y - a.y, len = std::hypot(dr, dy);
    if (len <= 1e-6f) continue;
    float nr = dy / len, ny = -dr / len; // outward normal in the (r, y) plane
    float t = carry;
    for (; t < len; t += kStep) {
      float r = a.r + dr * t / len, y = a.y + dy * t / len;
      int steps = std::max(8, int(6.2832f * r / kStep));
      for (int k = 0; k < steps; ++k) {
        float angle = 6.2832f * k / steps;
        float c = std::cos(angle), sn = std::sin(angle);
        float x = r * c, z = r * sn;
        uint8_t part = filter ? filter(x, y, z, angle) : uint8_t(kBody);
        if (part == kNone) continue;
        s.Point(x, y, z, Vec3{nr * c, ny, nr * sn}, part);
      }
    }
    carry = t - len;
  }
}

void Ball(Splatter &s, float cx, float cy, float cz, float radius) {
  int rings = std::max(8, int(3.1416f * radius / kStep));
  for (int i = 0; i <= rings; ++i) {
    float lat = -1.5708f + 3.1416f * i / rings;
    float ring = radius * std::cos(lat);
    int steps = std::max(8, int(6.2832f * ring / kStep));
    for (int k = 0; k < steps; ++k) {
      float lon = 6.2832f * k / steps;
      Vec3 n{std::cos(lat) * std::cos(lon), std::sin(lat), std::cos(lat) * std::sin(lon)};
      s.Point(cx + radius * n.x, cy + radius * n.y, cz + radius * n.z, n);
    }
  }
}

// A box with softly rounded edges (the normal of a superellipsoid), centred at c with half sizes h.
void Block(Splatter &s, Vec3 c, Vec3 h) {
  const float e = 8;
  auto normal = [&](float x, float y, float z) {
    auto f = [&](float v, float hv) { return (v < 0 ? -1.0f : 1.0f) * std::pow(std::fabs(v / hv), e) / hv; };
    return Vec3{f(x, h.x), f(y, h.y), f(z, h.z)};
  };
  for (int axis = 0; axis < 3; ++axis)
    for (int sign = -1; sign <= 1; sign += 2) {
      float hu = axis == 0 ? h.y : h.x, hv = axis == 2 ? h.y : h.z;
      for (float u = -hu; u <= hu; u += kStep)
        for (float v = -hv; v <= hv; v += kStep) {
          float x, y, z;
          if (axis == 0)
            x = sign * h.x, y = u, z = v;
          else if (axis == 1)
            x = u, y = sign * h.y, z = v;
          else
            x = u, y = v, z = sign * h.z;
          s.Point(c.x + x, c.y + y, c.z + z, normal(x, y, z));
        }
    }
}

// --- The plinth every piece stands on -------------------------------------------------------
std::vector<ProfilePoint> Plinth(float radius, std::vector<ProfilePoint> above) {
  const float R = radius;
  std::vector<ProfilePoint> p = {{R - 1.0f, 0.0f}, {R, 1.2f},         {R, 4.0f},
                                 {R - 1.4f, 5.6f}, {R - 3.2f, 7.0f},  {R - 2.6f, 8.3f},
                                 {R - 2.6f, 9.6f}, {R - 4.4f, 11.0f}, {R - 6.6f, 12.6f}};
  p.insert(p.end(), above.begin(), above.end());
  return p;
}

void King(Splatter &s) {
  Lathe(s, Plinth(18, {{9.6f, 20},
                       {8.1f, 30},
                       {7.2f, 40},
                       {7.0f, 47},
                       {8.6f, 49.5f},
                       {10.6f, 51.5f},
                       {10.6f, 52.8f},
                       {8.6f, 54},
                       {7.6f, 55},
                       {9.6f, 56.3f},
                       {9.6f, 57.4f},
                       {7.6f, 58.6f},
                       {7.6f, 60.5f},
                       {9.8f, 64},
                       {11.6f, 67},
                       {11.6f, 68.8f},
                       {9.6f, 70},
                       {5, 70.8f},
                       {0, 71.2f}}));
  Ball(s, 0, 72.0f, 0, 3.0f);
  Block(s, Vec3{0, 79.0f, 0}, Vec3{1.9f, 7.0f, 1.9f}); // upright of the cross
  Block(s, Vec3{0, 80.2f, 0}, Vec3{6.2f, 1.8f, 1.9f}); // arms
}

void Queen(Splatter &s) {
  Lathe(s, Plinth(17.5f, {{9.6f, 21},
                          {7.9f, 31},
                          {7.0f, 41},
                          {7.0f, 46},
                          {8.6f, 48.5f},
                          {10.2f, 50.3f},
                          {10.2f, 51.5f},
                          {8.2f, 52.6f},
                          {7.2f, 53.6f},
                          {9.2f, 54.8f},
                          {9.2f, 55.8f},
                          {7.2f, 57},
                          {7.4f, 59},
                          {9.6f, 62.5f},
                          {12.2f, 66.3f},
                          {12.4f, 67.6f},
                          {10.6f, 68.2f},
                          {6.5f, 67.6f},
                          {0, 67.4f}}));
  const int points = 9;
  for (int i = 0; i < points; ++i) {
    float a = 6.2832f * (i + 0.5f) / points;
    Ball(s, 11.4f * std::cos(a), 69.6f, 11.4f * std::sin(a), 2.1f);
  }
  Ball(s, 0, 71.2f, 0, 5.0f); // the orb rising from the coronet
  Ball(s, 0, 77.6f, 0, 1.9f); // its finial
}

uint8_t Crenellations(float, float y, float, float angle) {
  if (y < 46.8f) return kBody;
  const int merlons = 6;
  float f = angle / 6.2832f * merlons + 0.25f;
  f -= std::floor(f);
  return f < 0.6f ? kBody : kNone; // a gap between merlons
}

void Rook(Splatter &s) {
  Lathe(s,
        Plinth(18.5f, {{12.2f, 18},
                       {11.0f, 30},
                       {10.8f, 37},
                       {11.6f, 39.5f},
                       {13.2f, 41.5f},
                       {13.8f, 43},
                       {13.8f, 52.5f},
                       {13.0f, 53.2f},
                       {10.2f, 53.2f},
                       {9.6f, 52.5f},
                       {9.6f, 47},
                       {9.0f, 46.6f},
                       {0, 46.6f}}),
        Crenellations);
  // Floors and cheeks of the gaps between the merlons.
  const int merlons = 6;
  for (int m = 0; m < merlons; ++m) {
    float a0 = 6.2832f * (m + 0.6f - 0.25f) / merlons, a1 = 6.2832f * (m + 1.0f - 0.25f) / merlons;
    for (float a = a0; a <= a1; a += kStep / 13.0f)
      for (float r = 9.6f; r <= 13.8f; r += kStep)
        s.Point(r * std::cos(a), 46.8f, r * std::sin(a), Vec3{0, 1, 0});
    for (float edge : {a0, a1}) {
      float side = edge == a0 ? 1.0f : -1.0f; // faces into the gap
      Vec3 n{-std::sin(edge) * side, 0, std::cos(edge) * side};
      for (float y = 46.8f; y <= 53.2f; y += kStep)
        for (float r = 9.6f; r <= 13.8f; r += kStep)
          s.Point(r * std::cos(edge), y, r * std::sin(edge), n);
    }
  }
}

uint8_t MitreSlit(float x, float y, float z, float) {
  if (y < 50 || y > 67) return kBody;
  // A slanted cut through the right-hand side of the mitre.
  float d = (x - 1.5f) * 0.62f + (y - 59.5f) * 0.78f;
  if (std::fabs(d) < 1.05f && x > -1.0f && z > -4.0f) return kSlit;
  return kBody;
}

void Bishop(Splatter &s) {
  Lathe(s,
        Plinth(17, {{9.2f, 20},
                    {7.6f, 31},
                    {6.6f, 39},
                    {7.0f, 41.5f},
                    {9.6f, 43.2f},
                    {9.6f, 44.6f},
                    {7.4f, 45.8f},
                    {6.0f, 47},
                    {6.6f, 48.5f},
                    {8.6f, 51},
                    {9.9f, 55},
                    {9.5f, 59.5f},
                    {7.6f, 63.5f},
                    {4.4f, 66.8f},
                    {1.4f, 68.6f},
                    {0, 69}}),
        MitreSlit);
  Ball(s, 0, 71.0f, 0, 2.5f);
}

void Pawn(Splatter &s) {
  std::vector<ProfilePoint> p = Plinth(
      15.5f,
      {{7.6f, 19}, {6.0f, 25}, {6.4f, 26.6f}, {8.8f, 28.2f}, {8.8f, 29.4f}, {6.4f, 30.6f}, {5.0f, 31.2f}});
  const float cy = 37.0f, r = 7.2f;
  for (int i = 1; i <= 20; ++i) {
    float a = -0.78f + (1.5708f + 0.78f) * i / 20;
    p.push_back({r * std::cos(a), cy + r * std::sin(a)});
  }
  Lathe(s, p);
}

// The knight: a turned base and a horse's head in relief. facing -1 looks left, +1 right.
void Knight(Splatter &s, int facing) {
  Lathe(s, Plinth(17.5f, {{10.6f, 17}, {9.6f, 20.5f}, {0, 20.5f}}));

  // Silhouette of the head and neck in model units, drawn facing left, then inflated.
  const int W = 48 * kSuper, H = 64 * kSuper; // covers x -24..24, y 4..68
  const float ox = 24, oy = 68;               // model (0, 68) at the top of the field
  Canvas mask = PaintWith(W, H, [&](cairo_t *cr) {
    cairo_scale(cr, kSuper, kSuper);
    auto P = [&](float x, float y) { return std::pair<double, double>(ox - x * facing, oy - y); };
    auto move = [&](float x, float y) {
      auto p = P(x, y);
      cairo_move_to(cr, p.first, p.second);
    };
    auto line = [&](float x, float y) {
      auto p = P(x, y);
      cairo_line_to(cr, p.first, p.second);
    };
    auto curve = [&](float x1, float y1, float x2, float y2, float x3, float y3) {
      auto a = P(x1, y1), b = P(x2, y2), c = P(x3, y3);
      cairo_curve_to(cr, a.first, a.second, b.first, b.second, c.first, c.second);
    };
    move(-10.5f, 16);                            // front of the neck at the base
    curve(-8, 23, -6.5f, 28, -6.5f, 32);         // throat
    curve(-9.5f, 33.5f, -14, 34, -17.5f, 35.5f); // under the jaw to the chin
    curve(-20, 36.5f, -20.5f, 40, -19.5f, 42);   // lips and nose
    curve(-17.5f, 46, -13, 50.5f, -8.5f, 54.5f); // bridge of the nose and forehead
    curve(-6, 56.5f, -4, 58.5f, -3, 62);         // brow to the ear
    line(-1.2f, 66.5f);                          // ear tip
    curve(0.5f, 63, 1.5f, 60.5f, 3, 59);         // back of the ear
    curve(9, 57, 13.5f, 48, 14.5f, 38);          // crest of the neck (mane)
    curve(15.5f, 28, 14, 21, 12.5f, 16);         // back of the neck
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill(cr);
  });
  std::vector<float> dist = DistanceInside(mask);
  const float thickness = 7.5f, shoulder = 5.0f;
  auto height = [&](int u, int v) -> float {
    u = std::clamp(u, 0, W - 1);
    v = std::clamp(v, 0, H - 1);
    float d = dist[size_t(v) * W + u] / kSuper;
    float t = Clamp01(d / shoulder);
    float h = thickness * std::sqrt(1 - (1 - t) * (1 - t));
    // Mane: ridges along the crest of the neck.
    float mx = (u / float(kSuper) - ox) * -facing, my = oy - v / float(kSuper);
    if (mx > 2 && my > 22 && d < 4.5f) h += 0.6f * std::sin((my + mx * 0.6f) * 1.9f);
    return h;
  };
  for (int v = 0; v < H; ++v)
    for (int u = 0; u < W; ++u) {
      if (dist[size_t(v) * W + u] <= 0) continue;
      float x = u / float(kSuper) - ox + 0.5f / kSuper, y = oy - v / float(kSuper) - 0.5f / kSuper;
      float h = height(u, v);
      float gx = (height(u + 1, v) - height(u - 1, v)) * kSuper * 0.5f;
      float gy = (height(u, v - 1) - height(u, v + 1)) * kSuper * 0.5f; // toward +y (up)
      float mx = x * -facing;
      uint8_t part = kBody;
      if (std::hypot(mx + 7.8f, y - 50.2f) < 1.5f)
        part = kEye;
      else if (std::hypot(mx + 17.6f, y - 40.2f) < 1.0f)
        part = kSlit; // nostril
      else if (mx > 1.5f && y > 24 && dist[size_t(v) * W + u] / kSuper < 4.0f)
        part = kMane;
      // Each side of the head is a relief; the visible one faces the viewer.
      s.Point(x, y, h * 0.55f, Vec3{-gx, -gy, 1.0f}, part);
    }
}

// --- Materials ---------------------------------------------------------------------------------
struct Material {
  Color albedo, skyLight, groundLight, specular, sheen, rim, outline;
  float shininess;
};

const Material kIvory{Rgb(242, 230, 204), Rgb(200, 205, 222), Rgb(120, 96, 70), Rgb(255, 250, 235),
                      Rgb(80, 70, 55),    Rgb(60, 50, 35),    Rgb(92, 66, 44),  36};
const Material kDarkStone{Rgb(30, 32, 38),  Rgb(120, 130, 150), Rgb(40, 36, 34),    Rgb(225, 235, 255),
                          Rgb(70, 86, 110), Rgb(96, 116, 150),  Rgb(118, 134, 166), 70};

Color Shade(const Sample &s, const Material &m, float x, float y, uint32_t seed) {
  Vec3 n = s.normal;
  Vec3 view{0, 0, 1};
  float lambert = Dot(n, kLight);
  float diffuse = Clamp01((lambert + 0.2f) / 1.2f);
  float up = Clamp01(0.5f - 0.5f * n.y);
  Color ambient = Mix(m.groundLight, m.skyLight, up);
  Vec3 half = Normalize(Vec3{kLight.x + view.x, kLight.y + view.y, kLight.z + view.z});
  float nh = std::max(0.0f, Dot(n, half));
  float highlight = std::pow(nh, m.shininess), sheen = std::pow(nh, 6.0f);
  float rim = std::pow(1 - Clamp01(n.z), 2.5f);
  float ground = 0.62f + 0.38f * SmoothStep(0.0f, 7.0f, s.height);

  // Grain: faint striations in ivory, pale veins in the stone.
  float grain = Fbm(x * 0.18f, y * 0.04f, seed, 3) * 0.05f;
  float vein = std::pow(Ridged(x * 0.09f + 3, y * 0.07f, seed + 5, 3), 6.0f) * 0.35f;
  Color albedo = m.albedo;
  albedo = Scale(albedo, 1 + grain);
  if (&m == &kDarkStone) albedo = Mix(albedo, Rgb(92, 104, 126), vein);

  float lightK = 0.40f + 0.70f * diffuse;
  Color c{albedo.r * (ambient.r * 0.5f + lightK * 0.66f), albedo.g * (ambient.g * 0.5f + lightK * 0.66f),
          albedo.b * (ambient.b * 0.5f + lightK * 0.66f), 1};
  c = Scale(c, ground);
  float specK = s.part == kMane ? 0.5f : 1.0f;
  c.r += (m.specular.r * highlight + m.sheen.r * sheen * 0.5f) * specK + m.rim.r * rim;
  c.g += (m.specular.g * highlight + m.sheen.g * sheen * 0.5f) * specK + m.rim.g * rim;
  c.b += (m.specular.b * highlight + m.sheen.b * sheen * 0.5f) * specK + m.rim.b * rim;
  if (s.part == kSlit || s.part == kEye) {
    bool dark = &m == &kDarkStone;
    c = dark ? Mix(Rgb(8, 9, 12), c, 0.15f) : Mix(Rgb(70, 46, 30), c, 0.25f);
    if (s.part == kEye) c = dark ? Rgb(150, 170, 200) : Rgb(40, 26, 18);
  }
  if (s.part == kMane) c = Scale(c, 0.9f);
  return Color{Clamp01(c.r), Clamp01(c.g), Clamp01(c.b), 1};
}

// Soft contact shadow on the tile, falling a little to the lower right, away from the light.
Canvas ContactShadow(float radius) {
  Canvas c(kWidth, kHeight);
  const float cx = kBaseX + 2.5f, cy = kBaseY + 1.5f, rx = radius * 1.22f, ry = rx * kSinView;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      float d = std::hypot((x + 0.5f - cx) / rx, (y + 0.5f - cy) / ry);
      float a = 0.75f * (1 - SmoothStep(0.45f, 1.0f, d));
      if (a > 0) c.Set(x, y, Color{0.03f, 0.03f, 0.04f, a});
    }
  return c;
}

Bitmap RenderPiece(int kind, int side) {
  Splatter s;
  float radius = 18;
  int facing = side == 0 ? -1 : 1; // White's knights look toward Black, upper left; Black's back
  switch (kind) {
  case 0:
    King(s);
    break;
  case 1:
    Queen(s), radius = 17.5f;
    break;
  case 2:
    Rook(s), radius = 18.5f;
    break;
  case 3:
    Bishop(s), radius = 17;
    break;
  case 4:
    Knight(s, facing), radius = 17.5f;
    break;
  default:
    Pawn(s), radius = 15.5f;
    break;
  }
  const Material &m = side == 0 ? kIvory : kDarkStone;
  Canvas body(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      float acc[3] = {0, 0, 0};
      int covered = 0;
      for (int j = 0; j < kSuper; ++j)
        for (int i = 0; i < kSuper; ++i) {
          const Sample &smp = s.At(x * kSuper + i, y * kSuper + j);
          if (smp.part == kNone) continue;
          Color c = Shade(smp, m, x + (i + 0.5f) / kSuper, y + (j + 0.5f) / kSuper, 11u + uint32_t(kind));
          acc[0] += c.r, acc[1] += c.g, acc[2] += c.b;
          ++covered;
        }
      if (!covered) continue;
      float a = covered / float(kSuper * kSuper);
      body.Set(x, y, Color{acc[0] / covered, acc[1] / covered, acc[2] / covered, a});
    }
  // A fine contour where the piece meets what lies behind it keeps the silhouette crisp when
  // the piece is drawn translucent over busy scenes.
  Bitmap piece = Bitmap::FromCanvas(body, Edge::Hard);
  Bitmap outlined = piece;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      if (piece.Transparent(x, y)) continue;
      int open = 0;
      for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
        int nx = x + dx, ny = y + dy;
        if (nx < 0 || ny < 0 || nx >= kWidth || ny >= kHeight || piece.Transparent(nx, ny)) ++open;
      }
      if (!open) continue;
      uint8_t *p = outlined.At(x, y);
      float k = 0.55f;
      p[0] = uint8_t(p[0] + (m.outline.r * 255 - p[0]) * k);
      p[1] = uint8_t(p[1] + (m.outline.g * 255 - p[1]) * k);
      p[2] = uint8_t(p[2] + (m.outline.b * 255 - p[2]) * k);
    }
  Bitmap out = Bitmap::FromCanvas(ContactShadow(radius), Edge::Dither);
  out.Stamp(outlined);
  return out;
}

} // namespace

void PaintPieces(ArtSet &set) {
  for (int side = 0; side < 2; ++side)
    for (int kind = 0; kind < 6; ++kind)
      set.bitmaps[art::kPieces[side][kind].path] = RenderPiece(kind, side);
}

} // namespace artgen
