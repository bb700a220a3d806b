// Painting helpers shared by every group of pictures: the light, height-field shading,
// painterly texture, lettering with the game's fonts, and the collection of finished files.
#pragma once

#include "Canvas.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace artgen {

// --- Light -----------------------------------------------------------------------------------
// Everything is lit from the upper left and a little in front. Screen axes: x right, y down,
// z toward the viewer.
struct Vec3 {
  float x = 0, y = 0, z = 0;
};
Vec3 Normalize(Vec3 v);
float Dot(const Vec3 &a, const Vec3 &b);
extern const Vec3 kLight;

// A grid of heights (in pixels, toward the viewer) from which bevels, folds and carvings are lit.
class HeightField {
public:
  HeightField(int width, int height) : width_(width), height_(height), h_(size_t(width) * height, 0.0f) {}
  int Width() const { return width_; }
  int Height() const { return height_; }
  float &At(int x, int y) { return h_[size_t(y) * width_ + x]; }
  float Get(int x, int y) const; // clamped at the edges
  Vec3 NormalAt(int x, int y) const;
  // Lambert term with a little wrap, 0..1, and a Blinn-Phong highlight.
  float Diffuse(int x, int y) const;
  float Specular(int x, int y, float shininess) const;
  // Softens the field with a box blur of the given radius (repeated passes approximate a gaussian).
  void Blur(int radius, int passes = 2);

private:
  int width_, height_;
  std::vector<float> h_;
};

// Height of a bevel: rises from 0 at the shape's edge to `height` at `width` pixels inside it,
// using the distance to the nearest uncovered pixel of the mask (alpha below one half).
HeightField BevelFromMask(const Canvas &mask, float width, float height);

// Distance of every pixel to the nearest uncovered pixel of the mask (0 outside).
std::vector<float> DistanceInside(const Canvas &mask);

// --- Texture ---------------------------------------------------------------------------------
// Low-contrast brush-stroke variation around 0 (about -1..1) along the given angle (radians).
float Strokes(float x, float y, uint32_t seed, float angle, float scale = 1.0f);

// --- Lettering -------------------------------------------------------------------------------
enum class Face { Script, Roman }; // the game's calligraphic font; a bold book face for the studio
// Fontconfig family for the face (the wanted one when installed, else DejaVu).
std::string FontFamily(Face face);
void SelectFont(cairo_t *cr, Face face, double size);

struct Lettering {
  std::string text;
  Face face = Face::Script;
  double size = 24;   // cairo font size
  double centreX = 0; // the text is centred on this point (ink bounds)
  double centreY = 0;
  Color top, bottom; // vertical gradient of the letters
  Color outline{0, 0, 0, 0};
  double outlineWidth = 0;
  Color shadow{0, 0, 0, 0};
  double shadowDx = 1, shadowDy = 1;
  double maxWidth = 0; // when set, the size shrinks until the ink fits this width
};
// Draws the lettering onto the canvas (antialiased, source-over).
void DrawLettering(Canvas &canvas, const Lettering &lettering);

// --- Utilities --------------------------------------------------------------------------------
// Runs body(y) for every row 0..rows-1, spread over a few threads. Rows must be independent.
void ParallelRows(int rows, const std::function<void(int)> &body);
// Box-filtered reduction of a canvas to the given size.
Canvas Downscale(const Canvas &src, int width, int height);
// Canvas from a Cairo drawing callback on a blank surface.
Canvas PaintWith(int width, int height, const std::function<void(cairo_t *)> &draw);
// Rounded-rectangle path.
void RoundedRect(cairo_t *cr, double x, double y, double w, double h, double r);

// --- The finished files ----------------------------------------------------------------------
struct Sound {
  int channels = 1;
  int sampleRate = 44100;
  std::vector<float> samples; // interleaved, -1..1
};

struct ArtSet {
  std::map<std::string, Bitmap> bitmaps; // by path in the data folder
  std::map<std::string, std::vector<unsigned char>> raw;
  std::map<std::string, Sound> sounds;
  const Bitmap &Picture(const std::string &path) const { return bitmaps.at(path); }
};

} // namespace artgen
