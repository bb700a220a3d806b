#include "Materials.h"

#include "Noise.h"

#include <cmath>

namespace artgen {

Color BlueMarble(float x, float y, uint32_t seed) {
  float turbulence = Fbm(x * 0.02f, y * 0.03f, seed, 5);
  float veins = std::fabs(std::sin((x * 0.045f + y * 0.03f) + turbulence * 5.5f));
  float fine = std::pow(1 - veins, 10.0f);
  float cloud = 0.5f + 0.5f * Fbm(x * 0.05f, y * 0.05f, seed + 1, 4);
  Color c = Mix(Rgb(14, 30, 84), Rgb(40, 78, 168), cloud);
  c = Mix(c, Rgb(150, 180, 236), Clamp01(fine * 0.85f));
  c = Mix(c, Rgb(8, 16, 52), Clamp01(std::pow(veins, 18.0f) * 0.4f));
  return c;
}

Color Slate(float x, float y, uint32_t seed) {
  float n = Fbm(x * 0.02f, y * 0.05f, seed, 5);
  float grain = Noise(x * 0.6f, y * 0.25f, seed + 2);
  Color c = Mix(Rgb(30, 32, 42), Rgb(62, 64, 78), Clamp01(0.5f + 0.8f * n));
  return Scale(c, 1 + 0.05f * grain);
}

Color Gold(float shade) {
  static const Color stops[] = {Rgb(70, 42, 12), Rgb(150, 100, 30), Rgb(226, 180, 80), Rgb(255, 240, 180)};
  shade = Clamp01(shade) * 3;
  int i = std::min(2, int(shade));
  return Mix(stops[i], stops[i + 1], shade - i);
}

Canvas RoundedMask(int width, int height, double x, double y, double w, double h, double radius) {
  return PaintWith(width, height, [&](cairo_t *cr) {
    RoundedRect(cr, x, y, w, h, radius);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill(cr);
  });
}

Canvas DiscMask(int width, int height, double cx, double cy, double radius) {
  return PaintWith(width, height, [&](cairo_t *cr) {
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill(cr);
  });
}

Canvas BevelledPanel(const Canvas &mask, const Surface &surface, const Bevel &bevel) {
  HeightField h = BevelFromMask(mask, bevel.width, bevel.sunken ? -bevel.height : bevel.height);
  Canvas out(mask.Width(), mask.Height());
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x) {
      float a = mask.Alpha(x, y);
      if (a <= 0) continue;
      Vec3 n = h.NormalAt(x, y);
      if (bevel.verticalSymmetry) n = Normalize(Vec3{n.x, 0.35f * std::fabs(n.y), n.z});
      float lambert = Dot(n, kLight);
      float diffuse = Clamp01((lambert + 0.25f) / 1.25f);
      Vec3 half = Normalize(Vec3{kLight.x, kLight.y, kLight.z + 1});
      float highlight = std::pow(std::max(0.0f, Dot(n, half)), bevel.shininess) * bevel.specular;
      Color c = surface(x + 0.5f, y + 0.5f);
      c = Scale(c, 0.45f + 0.8f * diffuse);
      c = Mix(c, Rgb(255, 255, 255), Clamp01(highlight));
      c.a = a;
      out.Set(x, y, c);
    }
  return out;
}

} // namespace artgen
