#include "platform/BitmapLoader.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// Reads the picture size from a BMP header without trusting the rest of the file, so that a damaged
// header cannot make the loader reserve gigabytes.
bool BitmapHeaderIsSane(const char *file) {
  FILE *f = std::fopen(file, "rb");
  if (!f) return false;
  unsigned char header[26];
  size_t got = std::fread(header, 1, sizeof(header), f);
  std::fclose(f);
  if (got < 22 || header[0] != 'B' || header[1] != 'M') return false;
  uint32_t infoSize =
      header[14] | header[15] << 8 | header[16] << 16 | static_cast<uint32_t>(header[17]) << 24;
  int64_t w, h;
  if (infoSize == 12) {
    w = header[18] | header[19] << 8;
    h = header[20] | header[21] << 8;
  } else {
    if (got < 26) return false;
    w = static_cast<int32_t>(header[18] | header[19] << 8 | header[20] << 16 |
                             static_cast<uint32_t>(header[21]) << 24);
    h = static_cast<int32_t>(header[22] | header[23] << 8 | header[24] << 16 |
                             static_cast<uint32_t>(header[25]) << 24);
  }
  w = std::llabs(w);
  h = std::llabs(h);
  return w >= 1 && h >= 1 && w <= kMaxTextureSide && h <= kMaxTextureSide;
}

// For each target index along one axis: the source indices and weights of a tent filter as wide as
// one source pixel when enlarging and one target pixel when shrinking.
struct Tap {
  int index;
  float weight;
};

void FilterTaps(int sourceSize, int targetSize, std::vector<std::vector<Tap>> &taps) {
  taps.assign(targetSize, {});
  double scale = static_cast<double>(targetSize) / sourceSize;
  double radius = scale >= 1.0 ? 1.0 : 1.0 / scale;
  for (int i = 0; i < targetSize; ++i) {
    double centre = (i + 0.5) / scale - 0.5;
    int first = static_cast<int>(std::floor(centre - radius));
    int last = static_cast<int>(std::ceil(centre + radius));
    double total = 0;
    std::vector<Tap> &list = taps[i];
    for (int s = first; s <= last; ++s) {
      double weight = 1.0 - std::fabs(s - centre) / radius;
      if (weight <= 0) continue;
      int clamped = std::min(std::max(s, 0), sourceSize - 1);
      list.push_back({clamped, static_cast<float>(weight)});
      total += weight;
    }
    if (list.empty()) {
      list.push_back({std::min(std::max(static_cast<int>(std::lround(centre)), 0), sourceSize - 1), 1.0f});
      total = 1.0;
    }
    for (Tap &tap : list)
      tap.weight = static_cast<float>(tap.weight / total);
  }
}

} // namespace

void ResamplePixels(const std::vector<uint32_t> &source, int sourceWidth, int sourceHeight,
                    std::vector<uint32_t> &target, int targetWidth, int targetHeight) {
  std::vector<std::vector<Tap>> across, down;
  FilterTaps(sourceWidth, targetWidth, across);
  FilterTaps(sourceHeight, targetHeight, down);

  // Horizontal pass into premultiplied floats (alpha, red, green, blue per pixel).
  std::vector<float> rows(static_cast<size_t>(targetWidth) * sourceHeight * 4);
  for (int y = 0; y < sourceHeight; ++y) {
    const uint32_t *in = &source[static_cast<size_t>(y) * sourceWidth];
    float *out = &rows[static_cast<size_t>(y) * targetWidth * 4];
    for (int x = 0; x < targetWidth; ++x) {
      float a = 0, r = 0, g = 0, b = 0;
      for (const Tap &tap : across[x]) {
        uint32_t p = in[tap.index];
        float pa = static_cast<float>(p >> 24) * tap.weight;
        a += pa;
        r += static_cast<float>((p >> 16) & 255) * pa;
        g += static_cast<float>((p >> 8) & 255) * pa;
        b += static_cast<float>(p & 255) * pa;
      }
      out[x * 4 + 0] = a;
      out[x * 4 + 1] = r;
      out[x * 4 + 2] = g;
      out[x * 4 + 3] = b;
    }
  }

  // Vertical pass, back to straight alpha.
  target.assign(static_cast<size_t>(targetWidth) * targetHeight, 0);
  for (int y = 0; y < targetHeight; ++y) {
    uint32_t *out = &target[static_cast<size_t>(y) * targetWidth];
    for (int x = 0; x < targetWidth; ++x) {
      float a = 0, r = 0, g = 0, b = 0;
      for (const Tap &tap : down[y]) {
        const float *p = &rows[(static_cast<size_t>(tap.index) * targetWidth + x) * 4];
        a += p[0] * tap.weight;
        r += p[1] * tap.weight;
        g += p[2] * tap.weight;
        b += p[3] * tap.weight;
      }
      uint32_t pa = static_cast<uint32_t>(std::min(255.0f, std::max(0.0f, a + 0.5f)));
      if (pa == 0) {
        out[x] = 0;
        continue;
      }
      auto channel = [a](float c) {
        return static_cast<uint32_t>(std::min(255.0f, std::max(0.0f, c / a + 0.5f)));
      };
      out[x] = pa << 24 | channel(r) << 16 | channel(g) << 8 | channel(b);
    }
  }
}

void BleedTransparentEdges(std::vector<uint32_t> &pixels, int width, int height) {
  std::vector<uint32_t> original = pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      size_t i = static_cast<size_t>(y) * width + x;
      if (original[i] >> 24) continue;
      unsigned r = 0, g = 0, b = 0, n = 0;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
          uint32_t p = original[static_cast<size_t>(ny) * width + nx];
          if (!(p >> 24)) continue;
          r += (p >> 16) & 255;
          g += (p >> 8) & 255;
          b += p & 255;
          ++n;
        }
      }
      if (n) pixels[i] = (r / n) << 16 | (g / n) << 8 | (b / n);
    }
  }
}

bool LoadTexturePixels(const char *file, int width, int height, std::vector<uint32_t> &pixels, int &outWidth,
                       int &outHeight) {
  if (!file || width < 0 || height < 0 || width > kMaxTextureSide || height > kMaxTextureSide) return false;
  if (!BitmapHeaderIsSane(file)) return false;
  SDL_Surface *loaded = SDL_LoadBMP(file);
  if (!loaded) return false;
  SDL_Surface *argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  if (!argb) return false;

  const int sourceWidth = argb->w, sourceHeight = argb->h;
  std::vector<uint32_t> source(static_cast<size_t>(sourceWidth) * sourceHeight);
  for (int y = 0; y < sourceHeight; ++y) {
    const uint8_t *row = static_cast<const uint8_t *>(argb->pixels) + static_cast<size_t>(y) * argb->pitch;
    std::memcpy(&source[static_cast<size_t>(y) * sourceWidth], row, static_cast<size_t>(sourceWidth) * 4);
  }
  SDL_FreeSurface(argb);

  // The colour key: opaque pure black is transparent; every other colour, near-black included, stays.
  for (uint32_t &p : source) {
    if (p == 0xFF000000u) p = 0;
  }

  outWidth = width ? width : sourceWidth;
  outHeight = height ? height : sourceHeight;
  if (outWidth == sourceWidth && outHeight == sourceHeight) {
    pixels.swap(source);
  } else {
    ResamplePixels(source, sourceWidth, sourceHeight, pixels, outWidth, outHeight);
  }
  return true;
}
