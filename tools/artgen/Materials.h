// Surfaces shared by the menus and widgets: veined blue marble, slate, gold and cloth, and a
// bevelled panel lit from the upper left.
#pragma once

#include "Canvas.h"
#include "Paint.h"

#include <functional>

namespace artgen {

Color BlueMarble(float x, float y, uint32_t seed);
Color Slate(float x, float y, uint32_t seed);
Color Gold(float shade); // 0 dark .. 1 bright

using Surface = std::function<Color(float x, float y)>;

struct Bevel {
  float width = 3;     // pixels of the rounded rim
  float height = 3;    // relief of the rim
  bool sunken = false; // pressed in instead of raised
  float shininess = 24;
  float specular = 0.35f;
  bool verticalSymmetry = false; // light from the left only (pictures also drawn upside down)
};

// Fills every covered pixel of the mask with the surface, shaded by a bevel along the mask's
// edges. The result keeps the mask's coverage as alpha.
Canvas BevelledPanel(const Canvas &mask, const Surface &surface, const Bevel &bevel);

// Mask of a rounded rectangle on a canvas of the given size.
Canvas RoundedMask(int width, int height, double x, double y, double w, double h, double radius);

// Mask of a disc centred on (cx, cy) on a canvas of the given size.
Canvas DiscMask(int width, int height, double cx, double cy, double radius);

} // namespace artgen
