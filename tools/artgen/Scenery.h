// Landscape painting shared by the board scenes, the menu backdrop and the closing pictures:
// skies, mountain ranges, mist, paving and masonry laid in the board's own slant.
#pragma once

#include "Canvas.h"
#include "Paint.h"

#include <vector>

namespace artgen {

// A colour ramp over 0..1.
class Gradient {
public:
  Gradient(std::initializer_list<std::pair<float, Color>> stops) : stops_(stops) {}
  Color At(float t) const;

private:
  std::vector<std::pair<float, Color>> stops_;
};

// Fills the canvas with a vertical sky ramp from y0 to y1, a glow around (gx, gy) and faint
// painterly streaks.
void PaintSky(Canvas &c, const Gradient &ramp, float y0, float y1, float gx, float gy, float glowRadius,
              Color glow, uint32_t seed);

// A few small stars above the given line.
void PaintStars(Canvas &c, float maxY, int count, uint32_t seed);

struct MountainRange {
  float baseline;     // y of the valleys
  float height;       // how far the peaks rise above it
  float scale;        // horizontal size of the features in pixels
  Color rock, shadow; // lit and unlit faces
  Color snow;         // snow on the heights (alpha 0 for none)
  float snowLine;     // 0..1 of the height above which snow lies
  Color haze;         // colour the range fades into with distance
  float hazeAmount;
  uint32_t seed;
  float depthBelow = 90; // how far below the baseline the range is painted
};
// Paints a range over everything below its ridge line. Lit from the upper left.
void PaintMountains(Canvas &c, const MountainRange &range);
float RidgeY(const MountainRange &range, float x);

// Soft horizontal mist between y0 and y1 (densest in the middle), blended into an opaque scene.
void PaintMist(Canvas &c, float y0, float y1, Color colour, float density, uint32_t seed);

// A plane in the board's slant: screen point = origin + u * axisU + v * axisV.
struct SlantPlane {
  float ox, oy, ux, uy, vx, vy;
  void ToPlane(float x, float y, float &u, float &v) const;
};
// The board's own plane: u along a row (one column per unit), v across rows (one row per unit),
// origin at the face's left corner of square (0, 0) shifted by `shift` pixels down.
SlantPlane BoardPlane(float shift);

// Paving stones: returns the mortar weight (0 on a stone, 1 in a joint) and a per-stone shade
// in -1..1, for plane coordinates measured in stones.
float Paving(float u, float v, uint32_t seed, float &stoneShade);

// Courses of masonry: coordinates in blocks (x along the course, y up the wall); returns the
// joint weight and a per-block shade.
float Masonry(float x, float y, uint32_t seed, float &blockShade);

// Darkens toward the edges of the canvas and toward its bottom strip.
void Vignette(Canvas &c, float strength, float bottomFrom, float bottomStrength);

// Radial glow added over an opaque canvas (a light source).
void AddGlow(Canvas &c, float x, float y, float radius, Color colour, float strength);

} // namespace artgen
