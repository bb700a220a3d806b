#include "Paint.h"

#include "Noise.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

namespace artgen {

Vec3 Normalize(Vec3 v) {
  float l = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  if (l <= 0) return Vec3{0, 0, 1};
  return Vec3{v.x / l, v.y / l, v.z / l};
}

float Dot(const Vec3 &a, const Vec3 &b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

const Vec3 kLight = Normalize(Vec3{-0.55f, -0.62f, 0.56f});

float HeightField::Get(int x, int y) const {
  x = std::clamp(x, 0, width_ - 1);
  y = std::clamp(y, 0, height_ - 1);
  return h_[size_t(y) * width_ + x];
}

Vec3 HeightField::NormalAt(int x, int y) const {
  float dx = (Get(x + 1, y) - Get(x - 1, y)) * 0.5f;
  float dy = (Get(x, y + 1) - Get(x, y - 1)) * 0.5f;
  return Normalize(Vec3{-dx, -dy, 1.0f});
}

float HeightField::Diffuse(int x, int y) const {
  float d = Dot(NormalAt(x, y), kLight);
  return Clamp01((d + 0.25f) / 1.25f);
}

float HeightField::Specular(int x, int y, float shininess) const {
  Vec3 h = Normalize(Vec3{kLight.x, kLight.y, kLight.z + 1.0f});
  float d = std::max(0.0f, Dot(NormalAt(x, y), h));
  return std::pow(d, shininess);
}

void HeightField::Blur(int radius, int passes) {
  std::vector<float> tmp(h_.size());
  for (int p = 0; p < passes; ++p) {
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) {
        float s = 0;
        for (int k = -radius; k <= radius; ++k)
          s += Get(x + k, y);
        tmp[size_t(y) * width_ + x] = s / float(2 * radius + 1);
      }
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) {
        float s = 0;
        for (int k = -radius; k <= radius; ++k)
          s += tmp[size_t(std::clamp(y + k, 0, height_ - 1)) * width_ + x];
        h_[size_t(y) * width_ + x] = s / float(2 * radius + 1);
      }
  }
}

std::vector<float> DistanceInside(const Canvas &mask) {
  // Two-pass chamfer distance (3-4 weights), good enough for bevels.
  const int w = mask.Width(), h = mask.Height();
  const float inf = 1e9f;
  std::vector<float> d(size_t(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      d[size_t(y) * w + x] = mask.Alpha(x, y) >= 0.5f ? inf : 0.0f;
  auto at = [&](int x, int y) -> float {
    if (x < 0 || y < 0 || x >= w || y >= h) return 0.0f;
    return d[size_t(y) * w + x];
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float &v = d[size_t(y) * w + x];
      if (v == 0) continue;
      v = std::min({v, at(x - 1, y) + 1.0f, at(x, y - 1) + 1.0f, at(x - 1, y - 1) + 1.4142f,
                    at(x + 1, y - 1) + 1.4142f});
    }
  for (int y = h - 1; y >= 0; --y)
    for (int x = w - 1; x >= 0; --x) {
      float &v = d[size_t(y) * w + x];
      if (v == 0) continue;
      v = std::min({v, at(x + 1, y) + 1.0f, at(x, y + 1) + 1.0f, at(x + 1, y + 1) + 1.4142f,
                    at(x - 1, y + 1) + 1.4142f});
    }
  return d;
}

HeightField BevelFromMask(const Canvas &mask, float width, float height) {
  std::vector<float> d = DistanceInside(mask);
  HeightField f(mask.Width(), mask.Height());
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x) {
      float t = Clamp01(d[size_t(y) * mask.Width() + x] / width);
      f.At(x, y) = height * std::sqrt(1 - (1 - t) * (1 - t)); // a rounded shoulder
    }
  return f;
}

float Strokes(float x, float y, uint32_t seed, float angle, float scale) {
  float c = std::cos(angle), s = std::sin(angle);
  float u = (x * c + y * s) / scale, v = (-x * s + y * c) / scale;
  // Long in the stroke direction, short across it.
  return Fbm(u * 0.05f, v * 0.35f, seed, 3) * 0.7f + Fbm(u * 0.02f, v * 0.08f, seed + 77, 2) * 0.3f;
}

std::string FontFamily(Face face) {
  static std::map<Face, std::string> cache;
  auto found = cache.find(face);
  if (found != cache.end()) return found->second;
  const char *wanted = face == Face::Script ? "Z003" : "P052";
  const char *fallback = face == Face::Script ? "DejaVu Serif" : "DejaVu Serif";
  std::string family = fallback;
  if (FcInit()) {
    FcPattern *pattern = FcNameParse(reinterpret_cast<const FcChar8 *>(wanted));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern *match = FcFontMatch(nullptr, pattern, &result);
    FcChar8 *got = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &got) == FcResultMatch &&
        std::string(reinterpret_cast<const char *>(got)) == wanted)
      family = wanted;
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
  }
  cache[face] = family;
  return family;
}

void SelectFont(cairo_t *cr, Face face, double size) {
  std::string family = FontFamily(face);
  bool script = face == Face::Script;
  cairo_select_font_face(cr, family.c_str(), script ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                         script ? CAIRO_FONT_WEIGHT_NORMAL : CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_font_options_t *options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}

void DrawLettering(Canvas &canvas, const Lettering &l) {
  CairoPainter painter(canvas);
  cairo_t *cr = painter.cr();
  double size = l.size;
  cairo_text_extents_t ext;
  for (;;) {
    SelectFont(cr, l.face, size);
    cairo_text_extents(cr, l.text.c_str(), &ext);
    if (l.maxWidth <= 0 || ext.width <= l.maxWidth || size < 8) break;
    size *= 0.95;
  }
  double x = l.centreX - ext.x_bearing - ext.width / 2;
  double y = l.centreY - ext.y_bearing - ext.height / 2;
  auto path = [&](double dx, double dy) {
    cairo_new_path(cr);
    cairo_move_to(cr, x + dx, y + dy);
    cairo_text_path(cr, l.text.c_str());
  };
  if (l.shadow.a > 0) {
    path(l.shadowDx, l.shadowDy);
    cairo_set_source_rgba(cr, l.shadow.r, l.shadow.g, l.shadow.b, l.shadow.a);
    if (l.outlineWidth > 0) {
      cairo_set_line_width(cr, l.outlineWidth * 2);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
      cairo_stroke_preserve(cr);
    }
    cairo_fill(cr);
  }
  if (l.outlineWidth > 0) {
    path(0, 0);
    cairo_set_source_rgba(cr, l.outline.r, l.outline.g, l.outline.b, l.outline.a);
    cairo_set_line_width(cr, l.outlineWidth * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
  }
  path(0, 0);
  cairo_pattern_t *grad =
      cairo_pattern_create_linear(0, y + ext.y_bearing, 0, y + ext.y_bearing + ext.height);
  cairo_pattern_add_color_stop_rgba(grad, 0, l.top.r, l.top.g, l.top.b, l.top.a);
  cairo_pattern_add_color_stop_rgba(grad, 1, l.bottom.r, l.bottom.g, l.bottom.b, l.bottom.a);
  cairo_set_source(cr, grad);
  cairo_fill(cr);
  cairo_pattern_destroy(grad);
  canvas = painter.Result();
}

void ParallelRows(int rows, const std::function<void(int)> &body) {
  unsigned threads = std::min(4u, std::max(1u, std::thread::hardware_concurrency()));
  std::atomic<int> next{0};
  auto work = [&] {
    for (int y = next++; y < rows; y = next++)
      body(y);
  };
  std::vector<std::thread> pool;
  for (unsigned i = 1; i < threads; ++i)
    pool.emplace_back(work);
  work();
  for (std::thread &t : pool)
    t.join();
}

Canvas Downscale(const Canvas &src, int width, int height) {
  Canvas out(width, height);
  float sx = float(src.Width()) / width, sy = float(src.Height()) / height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      int x0 = int(x * sx), x1 = std::max(x0 + 1, int((x + 1) * sx));
      int y0 = int(y * sy), y1 = std::max(y0 + 1, int((y + 1) * sy));
      float acc[4] = {0, 0, 0, 0};
      int n = 0;
      for (int v = y0; v < y1 && v < src.Height(); ++v)
        for (int u = x0; u < x1 && u < src.Width(); ++u, ++n)
          for (int k = 0; k < 4; ++k)
            acc[k] += src.At(u, v)[k];
      float *p = out.At(x, y);
      for (int k = 0; k < 4; ++k)
        p[k] = n ? acc[k] / n : 0;
    }
  return out;
}

Canvas PaintWith(int width, int height, const std::function<void(cairo_t *)> &draw) {
  CairoPainter painter(width, height);
  draw(painter.cr());
  return painter.Result();
}

void RoundedRect(cairo_t *cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

} // namespace artgen
