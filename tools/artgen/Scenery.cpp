#include "Scenery.h"

#include "Noise.h"

#include <cmath>

namespace artgen {

Color Gradient::At(float t) const {
  if (t <= stops_.front().first) return stops_.front().second;
  for (size_t i = 1; i < stops_.size(); ++i)
    if (t <= stops_[i].first) {
      float k = (t - stops_[i - 1].first) / (stops_[i].first - stops_[i - 1].first);
      return Mix(stops_[i - 1].second, stops_[i].second, k);
    }
  return stops_.back().second;
}

void PaintSky(Canvas &c, const Gradient &ramp, float y0, float y1, float gx, float gy, float glowRadius,
              Color glow, uint32_t seed) {
  ParallelRows(c.Height(), [&](int y) {
    for (int x = 0; x < c.Width(); ++x) {
      float t = Clamp01((y - y0) / (y1 - y0));
      float streak = Strokes(float(x), float(y), seed, -0.08f, 2.0f);
      Color col = ramp.At(Clamp01(t + 0.03f * streak));
      float d = std::hypot(x - gx, (y - gy) * 1.2f) / glowRadius;
      float g = std::exp(-d * d * 2.2f) + 0.35f * std::exp(-d * 1.6f);
      col = Mix(col, glow, Clamp01(g * glow.a));
      col = Scale(col, 1 + 0.04f * streak);
      col.a = 1;
      c.Set(x, y, col);
    }
  });
}

void PaintStars(Canvas &c, float maxY, int count, uint32_t seed) {
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    float x = rng.Range(0, float(c.Width())), y = rng.Range(0, maxY);
    float b = rng.Uniform();
    b = 0.25f + 0.75f * b * b * b * (1 - y / maxY);
    c.Blend(int(x), int(y), Rgb(230, 235, 255), b);
    if (b > 0.75f)
      for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
        c.Blend(int(x) + dx, int(y) + dy, Rgb(200, 210, 255), b * 0.35f);
  }
}

float RidgeY(const MountainRange &r, float x) {
  float n = Ridged(x / r.scale, 0.37f, r.seed, 5);
  float slow = 0.5f + 0.5f * Noise(x / (r.scale * 3.1f), 1.7f, r.seed + 1);
  return r.baseline - r.height * (0.25f + 0.75f * n) * (0.45f + 0.55f * slow);
}

void PaintMountains(Canvas &c, const MountainRange &r) {
  std::vector<float> ridge(size_t(c.Width()) + 2), smooth(size_t(c.Width()) + 2);
  for (int x = -1; x <= c.Width(); ++x)
    ridge[size_t(x + 1)] = RidgeY(r, float(x));
  // The broad lie of the slopes, from a smoothed ridge line.
  for (int x = -1; x <= c.Width(); ++x)
    smooth[size_t(x + 1)] = RidgeY(r, x + 6.0f) - RidgeY(r, x - 6.0f);
  const int bottom = std::min(c.Height(), int(r.baseline + r.depthBelow));
  ParallelRows(bottom, [&](int y) {
    for (int x = 0; x < c.Width(); ++x) {
      float top = ridge[size_t(x + 1)];
      if (y + 1 <= top) continue;
      float slope = smooth[size_t(x + 1)] / 12.0f; // > 0: descending to the right
      float cover = Clamp01(float(y) + 1.0f - top);
      float depth = (y - top) / r.height; // 0 at the ridge, growing downward
      // Rock faces: the horizontal change of a noise field says which way each facet turns;
      // facets turned to the left catch the light. Near the crest the ridge's own slope rules.
      float fx = x / (r.scale * 0.22f), fy = y / (r.scale * 0.16f);
      float rock = Fbm(fx, fy, r.seed + 7, 4);
      float turn = Fbm(fx - 0.06f, fy, r.seed + 8, 3) - Fbm(fx + 0.06f, fy, r.seed + 8, 3);
      float face = Clamp01(0.5f + 3.0f * turn + 0.8f * std::tanh(-slope * 1.5f) * std::exp(-depth * 5.0f) +
                           0.2f * rock);
      Color col = Mix(r.shadow, r.rock, face);
      float height = 1 - Clamp01((y - (r.baseline - r.height)) / r.height);
      if (r.snow.a > 0) {
        float snowy = SmoothStep(r.snowLine, r.snowLine + 0.12f, height + 0.2f * rock);
        Color snow = Mix(Scale(r.snow, 0.55f), r.snow, face);
        col = Mix(col, snow, snowy * r.snow.a);
      }
      float haze = Clamp01(r.hazeAmount * (0.7f + 0.6f * Clamp01(depth * 0.8f)));
      col = Mix(col, r.haze, haze);
      c.Blend(x, y, col, cover);
    }
  });
}

void PaintMist(Canvas &c, float y0, float y1, Color colour, float density, uint32_t seed) {
  const int first = std::max(0, int(y0)), last = std::min(c.Height(), int(y1) + 1);
  ParallelRows(std::max(0, last - first), [&](int row) {
    int y = first + row;
    for (int x = 0; x < c.Width(); ++x) {
      float t = (y - y0) / (y1 - y0);
      float band = std::sin(3.14159f * Clamp01(t));
      float n = Fbm(x * 0.006f, y * 0.03f, seed, 5);
      float a = Clamp01(density * band * (0.55f + 0.7f * n));
      c.Blend(x, y, colour, a);
    }
  });
}

void SlantPlane::ToPlane(float x, float y, float &u, float &v) const {
  float det = ux * vy - uy * vx;
  float dx = x - ox, dy = y - oy;
  u = (dx * vy - dy * vx) / det;
  v = (ux * dy - uy * dx) / det;
}

SlantPlane BoardPlane(float shift) { return SlantPlane{47, 315 + shift, 47, -23, 45, 22}; }

float Paving(float u, float v, uint32_t seed, float &stoneShade) {
  // Rows of stones of varying length, each row offset.
  float row = std::floor(v);
  float offset = float(Hash(uint32_t(int(row) + 1000), seed) & 1023) / 1024.0f;
  float uu = u * 0.8f + offset;
  // Stone boundaries along the row, at a jittered spacing.
  float cell = std::floor(uu);
  float jitter =
      0.25f *
      (float(Hash(uint32_t(int(cell) + 5000), uint32_t(int(row) + 7000), seed) & 255) / 255.0f - 0.5f);
  float fu = uu - cell + jitter, fv = v - row;
  if (fu < 0) fu += 1, cell -= 1;
  if (fu >= 1) fu -= 1, cell += 1;
  uint32_t id = Hash(uint32_t(int(cell) + 3000), uint32_t(int(row) + 9000), seed);
  stoneShade = float(id & 1023) / 511.5f - 1.0f;
  float edge = std::min(std::min(fu, 1 - fu) * 1.25f, std::min(fv, 1 - fv));
  return 1 - SmoothStep(0.02f, 0.07f, edge);
}

float Masonry(float x, float y, uint32_t seed, float &blockShade) {
  float course = std::floor(y);
  float shift = (int(course) & 1) ? 0.5f : 0.0f;
  float xx = x + shift + 0.15f * float(Hash(uint32_t(int(course) + 77), seed) & 255) / 255.0f;
  float block = std::floor(xx);
  uint32_t id = Hash(uint32_t(int(block) + 911), uint32_t(int(course) + 313), seed);
  blockShade = float(id & 1023) / 511.5f - 1.0f;
  float fx = xx - block, fy = y - course;
  float edge = std::min(std::min(fx, 1 - fx) * 2.0f, std::min(fy, 1 - fy));
  return 1 - SmoothStep(0.03f, 0.09f, edge);
}

void Vignette(Canvas &c, float strength, float bottomFrom, float bottomStrength) {
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      float dx = (x - c.Width() * 0.5f) / (c.Width() * 0.5f),
            dy = (y - c.Height() * 0.45f) / (c.Height() * 0.55f);
      float k = 1 - strength * Clamp01(dx * dx * 0.6f + dy * dy * 0.5f);
      if (y > bottomFrom) k *= 1 - bottomStrength * SmoothStep(bottomFrom, float(c.Height()), float(y));
      float *p = c.At(x, y);
      for (int i = 0; i < 3; ++i)
        p[i] *= k;
    }
}

void AddGlow(Canvas &c, float gx, float gy, float radius, Color colour, float strength) {
  const int y0 = std::max(0, int(gy - 3 * radius)), y1 = std::min(c.Height(), int(gy + 3 * radius) + 1);
  for (int y = y0; y < y1; ++y)
    for (int x = std::max(0, int(gx - 3 * radius)); x < std::min(c.Width(), int(gx + 3 * radius) + 1); ++x) {
      float d = std::hypot(x - gx, y - gy) / radius;
      if (d > 3) continue;
      float g = strength * (std::exp(-d * d * 3.0f) * 0.7f + std::exp(-d * 1.5f) * 0.3f);
      float *p = c.At(x, y);
      p[0] += colour.r * g * p[3];
      p[1] += colour.g * g * p[3];
      p[2] += colour.b * g * p[3];
    }
}

} // namespace artgen
