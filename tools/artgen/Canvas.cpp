#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace artgen {

Color Rgb(int r, int g, int b, float a) { return Color{r / 255.0f, g / 255.0f, b / 255.0f, a}; }

Color Mix(const Color &x, const Color &y, float t) {
  return Color{x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

Color Scale(const Color &c, float k) { return Color{c.r * k, c.g * k, c.b * k, c.a}; }

float Clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

float SmoothStep(float e0, float e1, float x) {
  float t = Clamp01((x - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}

Canvas::Canvas(int width, int height, Color fill)
    : width_(width), height_(height), px_(size_t(width) * height * 4) {
  for (size_t i = 0; i < px_.size(); i += 4) {
    px_[i] = fill.r * fill.a;
    px_[i + 1] = fill.g * fill.a;
    px_[i + 2] = fill.b * fill.a;
    px_[i + 3] = fill.a;
  }
}

Color Canvas::Get(int x, int y) const {
  const float *p = At(x, y);
  if (p[3] <= 0) return Color{0, 0, 0, 0};
  return Color{p[0] / p[3], p[1] / p[3], p[2] / p[3], p[3]};
}

void Canvas::Set(int x, int y, const Color &c) {
  if (!Inside(x, y)) return;
  float *p = At(x, y);
  p[0] = c.r * c.a;
  p[1] = c.g * c.a;
  p[2] = c.b * c.a;
  p[3] = c.a;
}

void Canvas::Blend(int x, int y, const Color &c, float coverage) {
  if (!Inside(x, y)) return;
  float a = Clamp01(c.a * coverage);
  float *p = At(x, y);
  p[0] = c.r * a + p[0] * (1 - a);
  p[1] = c.g * a + p[1] * (1 - a);
  p[2] = c.b * a + p[2] * (1 - a);
  p[3] = a + p[3] * (1 - a);
}

void Canvas::Over(const Canvas &top, int dx, int dy, float opacity) {
  for (int y = 0; y < top.height_; ++y) {
    for (int x = 0; x < top.width_; ++x) {
      if (!Inside(x + dx, y + dy)) continue;
      const float *s = top.At(x, y);
      float a = s[3] * opacity;
      if (a <= 0) continue;
      float *d = At(x + dx, y + dy);
      for (int k = 0; k < 3; ++k)
        d[k] = s[k] * opacity + d[k] * (1 - a);
      d[3] = a + d[3] * (1 - a);
    }
  }
}

Color Canvas::Sample(float x, float y) const {
  x = std::clamp(x - 0.5f, 0.0f, float(width_ - 1));
  y = std::clamp(y - 0.5f, 0.0f, float(height_ - 1));
  int x0 = int(x), y0 = int(y);
  int x1 = std::min(x0 + 1, width_ - 1), y1 = std::min(y0 + 1, height_ - 1);
  float fx = x - x0, fy = y - y0;
  float out[4];
  for (int k = 0; k < 4; ++k) {
    float a = At(x0, y0)[k] * (1 - fx) + At(x1, y0)[k] * fx;
    float b = At(x0, y1)[k] * (1 - fx) + At(x1, y1)[k] * fx;
    out[k] = a * (1 - fy) + b * fy;
  }
  if (out[3] <= 0) return Color{0, 0, 0, 0};
  return Color{out[0] / out[3], out[1] / out[3], out[2] / out[3], out[3]};
}

void Canvas::MaskWith(const Canvas &mask) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      float m = mask.Inside(x, y) ? mask.Alpha(x, y) : 0.0f;
      float *p = At(x, y);
      for (int k = 0; k < 4; ++k)
        p[k] *= m;
    }
}

cairo_surface_t *Canvas::ToSurface() const {
  cairo_surface_t *s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_, height_);
  cairo_surface_flush(s);
  unsigned char *data = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < height_; ++y) {
    auto *row = reinterpret_cast<uint32_t *>(data + size_t(y) * stride);
    for (int x = 0; x < width_; ++x) {
      const float *p = At(x, y);
      auto q = [](float v) { return uint32_t(std::lround(Clamp01(v) * 255.0f)); };
      uint32_t a = q(p[3]);
      uint32_t r = std::min(q(p[0]), a), g = std::min(q(p[1]), a), b = std::min(q(p[2]), a);
      row[x] = (a << 24) | (r << 16) | (g << 8) | b;
    }
  }
  cairo_surface_mark_dirty(s);
  return s;
}

Canvas Canvas::FromSurface(cairo_surface_t *surface) {
  cairo_surface_flush(surface);
  int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
  int stride = cairo_image_surface_get_stride(surface);
  const unsigned char *data = cairo_image_surface_get_data(surface);
  Canvas c(w, h);
  for (int y = 0; y < h; ++y) {
    auto *row = reinterpret_cast<const uint32_t *>(data + size_t(y) * stride);
    for (int x = 0; x < w; ++x) {
      uint32_t v = row[x];
      float *p = c.At(x, y);
      p[0] = ((v >> 16) & 255) / 255.0f;
      p[1] = ((v >> 8) & 255) / 255.0f;
      p[2] = (v & 255) / 255.0f;
      p[3] = (v >> 24) / 255.0f;
    }
  }
  return c;
}

CairoPainter::CairoPainter(int width, int height)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), cr_(cairo_create(surface_)) {}

CairoPainter::CairoPainter(const Canvas &start) : surface_(start.ToSurface()), cr_(cairo_create(surface_)) {}

CairoPainter::~CairoPainter() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

Canvas CairoPainter::Result() const { return Canvas::FromSurface(surface_); }

float DitherThreshold(int x, int y) {
  // Interleaved gradient noise: an even, pattern-free spread of thresholds.
  float v = 0.06711056f * x + 0.00583715f * y;
  v = 52.9829189f * (v - std::floor(v));
  return v - std::floor(v);
}

Bitmap Bitmap::FromCanvas(const Canvas &canvas, Edge edge) {
  Bitmap out(canvas.Width(), canvas.Height());
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const float *p = canvas.At(x, y);
      float a = p[3];
      bool opaque = edge == Edge::Hard ? a >= 0.5f : (a > 0.002f && a > DitherThreshold(x, y) * 0.999f);
      if (!opaque) continue;
      // Half a step of noise before rounding keeps smooth gradients free of bands.
      float n = (DitherThreshold(x + 17, y + 5) - 0.5f) / 255.0f;
      uint8_t *q = out.At(x, y);
      for (int k = 0; k < 3; ++k)
        q[k] = uint8_t(std::lround(Clamp01(p[k] / a + n) * 255.0f));
      if (q[0] == 0 && q[1] == 0 && q[2] == 0) q[0] = q[1] = q[2] = 1;
    }
  }
  return out;
}

void Bitmap::Stamp(const Bitmap &top, int dx, int dy) {
  for (int y = 0; y < top.height_; ++y)
    for (int x = 0; x < top.width_; ++x) {
      int tx = x + dx, ty = y + dy;
      if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_ || top.Transparent(x, y)) continue;
      std::copy_n(top.At(x, y), 3, At(tx, ty));
    }
}

Canvas Bitmap::ToCanvas() const {
  Canvas c(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (!Transparent(x, y)) c.Set(x, y, Rgb(At(x, y)[0], At(x, y)[1], At(x, y)[2]));
  return c;
}

} // namespace artgen
