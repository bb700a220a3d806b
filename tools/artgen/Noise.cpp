#include "Noise.h"

#include <cmath>

namespace artgen {

uint64_t Rng::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

float Rng::Uniform() { return float(Next() >> 40) / float(1ull << 24); }

float Rng::Range(float lo, float hi) { return lo + (hi - lo) * Uniform(); }

float Rng::Gaussian() {
  float u = Uniform() * 0.999999f + 0.000001f, v = Uniform();
  return std::sqrt(-2.0f * std::log(u)) * std::cos(6.2831853f * v);
}

uint32_t Hash(uint32_t a, uint32_t b, uint32_t c) {
  uint32_t h = a * 0x8DA6B343u ^ b * 0xD8163841u ^ c * 0xCB1AB31Fu;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

namespace {

int Wrap(int v, int period) {
  if (period <= 0) return v;
  v %= period;
  return v < 0 ? v + period : v;
}

struct GradientTable {
  float x[1024], y[1024];
  GradientTable() {
    for (int i = 0; i < 1024; ++i) {
      float angle = float(i) * (6.2831853f / 1024.0f);
      x[i] = std::cos(angle);
      y[i] = std::sin(angle);
    }
  }
};

float Gradient(int ix, int iy, uint32_t seed, float dx, float dy) {
  static const GradientTable table;
  uint32_t h = Hash(uint32_t(ix), uint32_t(iy), seed) & 1023u;
  return table.x[h] * dx + table.y[h] * dy;
}

float Fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }

} // namespace

float Noise(float x, float y, uint32_t seed, int periodX, int periodY) {
  float fx = std::floor(x), fy = std::floor(y);
  int x0 = int(fx), y0 = int(fy);
  float dx = x - fx, dy = y - fy;
  int ax = Wrap(x0, periodX), bx = Wrap(x0 + 1, periodX);
  int ay = Wrap(y0, periodY), by = Wrap(y0 + 1, periodY);
  float n00 = Gradient(ax, ay, seed, dx, dy), n10 = Gradient(bx, ay, seed, dx - 1, dy);
  float n01 = Gradient(ax, by, seed, dx, dy - 1), n11 = Gradient(bx, by, seed, dx - 1, dy - 1);
  float u = Fade(dx), v = Fade(dy);
  float a = n00 + (n10 - n00) * u, b = n01 + (n11 - n01) * u;
  return (a + (b - a) * v) * 1.41f;
}

float Fbm(float x, float y, uint32_t seed, int octaves, float gain, int periodX, int periodY) {
  float sum = 0, amp = 1, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * Noise(x, y, seed + uint32_t(i) * 1013u, periodX, periodY);
    norm += amp;
    amp *= gain;
    x *= 2;
    y *= 2;
    periodX *= 2;
    periodY *= 2;
  }
  return sum / norm;
}

float Ridged(float x, float y, uint32_t seed, int octaves) {
  float sum = 0, amp = 1, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    float n = 1 - std::fabs(Noise(x, y, seed + uint32_t(i) * 7919u));
    sum += amp * n * n;
    norm += amp;
    amp *= 0.5f;
    x *= 2.03f;
    y *= 2.03f;
  }
  return sum / norm;
}

void Cellular(float x, float y, uint32_t seed, float &nearest, float &second) {
  int cx = int(std::floor(x)), cy = int(std::floor(y));
  nearest = second = 9.0f;
  for (int j = -1; j <= 1; ++j)
    for (int i = -1; i <= 1; ++i) {
      uint32_t h = Hash(uint32_t(cx + i), uint32_t(cy + j), seed);
      float px = cx + i + float(h & 0xFFFF) / 65536.0f;
      float py = cy + j + float(h >> 16) / 65536.0f;
      float d = std::hypot(px - x, py - y);
      if (d < nearest) {
        second = nearest;
        nearest = d;
      } else if (d < second) {
        second = d;
      }
    }
}

void NearestFeature(float x, float y, uint32_t seed, float &fx, float &fy, uint32_t &id) {
  int cx = int(std::floor(x)), cy = int(std::floor(y));
  float best = 9.0f;
  for (int j = -1; j <= 1; ++j)
    for (int i = -1; i <= 1; ++i) {
      uint32_t h = Hash(uint32_t(cx + i), uint32_t(cy + j), seed);
      float px = cx + i + float(h & 0xFFFF) / 65536.0f;
      float py = cy + j + float(h >> 16) / 65536.0f;
      float d = std::hypot(px - x, py - y);
      if (d < best) {
        best = d;
        fx = px;
        fy = py;
        id = Hash(h, 17u);
      }
    }
}

} // namespace artgen
