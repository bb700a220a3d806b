#include "Noise.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

namespace {

// The blue-noise tile, ranked once by void and cluster. A sparse random pattern is first relaxed,
// moving its tightest cluster into its largest void until that changes nothing. Its points are
// then ranked from the top down by taking out the tightest cluster each time, and the empty cells
// from there up by filling the largest void each time. Clusters and voids are measured by a
// gaussian energy on the wrapped tile.
struct BlueNoiseTile {
  static constexpr int kSide = 64, kCells = kSide * kSide;
  std::vector<float> threshold;

  BlueNoiseTile() : threshold(kCells) {
    std::vector<double> kernel(kCells);
    const double sigma = 1.5;
    for (int dy = 0; dy < kSide; ++dy)
      for (int dx = 0; dx < kSide; ++dx) {
        int wx = std::min(dx, kSide - dx), wy = std::min(dy, kSide - dy);
        kernel[size_t(dy * kSide + dx)] = std::exp(-(wx * wx + wy * wy) / (2 * sigma * sigma));
      }
    std::vector<char> on(kCells, 0);
    std::vector<double> energy(kCells, 0.0);
    auto toggle = [&](int cell, bool set, std::vector<char> &pattern, std::vector<double> &field) {
      pattern[size_t(cell)] = set;
      const int cx = cell % kSide, cy = cell / kSide;
      const double sign = set ? 1.0 : -1.0;
      for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
          field[size_t(y * kSide + x)] +=
              sign * kernel[size_t(((y - cy + kSide) % kSide) * kSide + (x - cx + kSide) % kSide)];
    };
    // The tightest cluster: the set cell with the most energy; the largest void: the empty cell
    // with the least. Ties go to the first cell, so the tile is the same on every run.
    auto extreme = [&](const std::vector<char> &pattern, const std::vector<double> &field, bool cluster) {
      int best = -1;
      for (int c = 0; c < kCells; ++c) {
        if (pattern[size_t(c)] != cluster) continue;
        if (best < 0 ||
            (cluster ? field[size_t(c)] > field[size_t(best)] : field[size_t(c)] < field[size_t(best)]))
          best = c;
      }
      return best;
    };

    Rng rng(0xB10E5EEDull);
    int ones = 0;
    while (ones < kCells / 10) {
      int cell = int(rng.Next() % kCells);
      if (on[size_t(cell)]) continue;
      toggle(cell, true, on, energy);
      ++ones;
    }
    for (int guard = 0; guard < kCells; ++guard) {
      int cluster = extreme(on, energy, true);
      toggle(cluster, false, on, energy);
      int gap = extreme(on, energy, false);
      toggle(gap, true, on, energy);
      if (gap == cluster) break;
    }

    std::vector<int> rank(kCells, 0);
    std::vector<char> pattern = on;
    std::vector<double> field = energy;
    for (int r = ones - 1; r >= 0; --r) {
      int cluster = extreme(pattern, field, true);
      toggle(cluster, false, pattern, field);
      rank[size_t(cluster)] = r;
    }
    for (int r = ones; r < kCells; ++r) {
      int gap = extreme(on, energy, false);
      toggle(gap, true, on, energy);
      rank[size_t(gap)] = r;
    }
    for (int c = 0; c < kCells; ++c)
      threshold[size_t(c)] = (float(rank[size_t(c)]) + 0.5f) / kCells;
  }
};

} // namespace

float BlueNoise(int x, int y) {
  static const BlueNoiseTile tile;
  const int side = BlueNoiseTile::kSide;
  return tile.threshold[size_t(Wrap(y, side) * side + Wrap(x, side))];
}

} // namespace artgen
