// Pictures while they are painted: premultiplied float RGBA canvases, a bridge to Cairo for
// antialiased shapes and lettering, and the final 24-bit picture with its colour key.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

// Straight (not premultiplied) colour, components 0..1.
struct Color {
  float r = 0, g = 0, b = 0, a = 1;
};

Color Rgb(int r, int g, int b, float a = 1.0f);
Color Mix(const Color &x, const Color &y, float t);
Color Scale(const Color &c, float k); // scales r, g, b, keeps alpha
float Clamp01(float v);
float SmoothStep(float e0, float e1, float x);

// A painting surface of premultiplied RGBA floats.
class Canvas {
public:
  Canvas() = default;
  Canvas(int width, int height, Color fill = Color{0, 0, 0, 0});

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Premultiplied access.
  float *At(int x, int y) { return &px_[(static_cast<size_t>(y) * width_ + x) * 4]; }
  const float *At(int x, int y) const { return &px_[(static_cast<size_t>(y) * width_ + x) * 4]; }
  Color Get(int x, int y) const; // straight colour
  float Alpha(int x, int y) const { return At(x, y)[3]; }
  void Set(int x, int y, const Color &c); // straight colour, replaces
  // Source-over of a straight colour with extra coverage.
  void Blend(int x, int y, const Color &c, float coverage = 1.0f);
  // Source-over of another canvas at (dx, dy) with an overall opacity.
  void Over(const Canvas &top, int dx, int dy, float opacity = 1.0f);
  // Bilinear sample of straight colour (clamped at the edges).
  Color Sample(float x, float y) const;
  // Multiplies every pixel's alpha by the mask's alpha (same size).
  void MaskWith(const Canvas &mask);

  // Cairo bridge: a surface holding this canvas, and back.
  cairo_surface_t *ToSurface() const;
  static Canvas FromSurface(cairo_surface_t *surface);

private:
  int width_ = 0, height_ = 0;
  std::vector<float> px_;
};

// A Cairo image surface with its drawing context, freed on destruction.
class CairoPainter {
public:
  CairoPainter(int width, int height);
  explicit CairoPainter(const Canvas &start);
  ~CairoPainter();
  CairoPainter(const CairoPainter &) = delete;
  CairoPainter &operator=(const CairoPainter &) = delete;

  cairo_t *cr() const { return cr_; }
  Canvas Result() const;

private:
  cairo_surface_t *surface_;
  cairo_t *cr_;
};

// How a canvas's alpha becomes the bitmap's one-bit transparency.
enum class Edge {
  Hard,   // covered at least half: opaque, else transparent
  Dither, // covered with probability alpha, by a fixed noise pattern: soft edges and glows
};

// The final 24-bit picture. Pure black (0, 0, 0) is transparent; every opaque pixel is kept off it.
class Bitmap {
public:
  Bitmap() = default;
  Bitmap(int width, int height) : width_(width), height_(height), rgb_(size_t(width) * height * 3, 0) {}
  static Bitmap FromCanvas(const Canvas &canvas, Edge edge = Edge::Hard);

  int Width() const { return width_; }
  int Height() const { return height_; }
  const uint8_t *At(int x, int y) const { return &rgb_[(size_t(y) * width_ + x) * 3]; }
  uint8_t *At(int x, int y) { return &rgb_[(size_t(y) * width_ + x) * 3]; }
  bool Transparent(int x, int y) const {
    const uint8_t *p = At(x, y);
    return p[0] == 0 && p[1] == 0 && p[2] == 0;
  }
  // Copies every opaque pixel of top over this picture at (dx, dy).
  void Stamp(const Bitmap &top, int dx = 0, int dy = 0);
  // Straight RGBA canvas with the colour key applied (transparent pixels alpha 0).
  Canvas ToCanvas() const;

private:
  int width_ = 0, height_ = 0;
  std::vector<uint8_t> rgb_;
};

// Threshold of the fixed dither pattern at a pixel, in [0, 1).
float DitherThreshold(int x, int y);

} // namespace artgen
