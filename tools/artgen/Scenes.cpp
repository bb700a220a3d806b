// The three board scenes and their moving layers.
//
// The board is a diamond of tiles spanning about x 47..783 and y 131..501 (with the tiles'
// thickness); the Dungeon draws it 60 pixels lower and the River Of Life 60 higher. Every scene
// frames that diamond and keeps the strip y 500..600 dark and calm for the yellow messages, the
// save-name box and the buttons.
//
//   Mist Mountain   peaks at dusk, a paved terrace under the glass board, a sea of cloud below;
//                   Clouds1 drifts over everything (stretched 3.5 x 2, alpha 150).
//   Dungeon         a vaulted cellar corner lit by two torches, the rock board on its flagstones.
//   River Of Life   a glowing river crossing under the glass board from the upper right to the
//                   lower left: Sand is the riverbed, Water drifts over it (stretched 3.5 x 4.33,
//                   alpha 120, moving left and down), Land lies on top with the river cut out.
#include "Generators.h"
#include "Noise.h"
#include "Scenery.h"

#include "app/ArtManifest.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace artgen {
namespace {

constexpr int W = 800, H = 600;

// --- Mist Mountain ------------------------------------------------------------------------------
// The terrace is the board's plane widened by a margin of squares on every side; the board
// itself lies on a dark polished slab so that the glass tiles over it read clearly.
constexpr float kTerraceMargin = 0.5f;
constexpr float kTerraceWall = 44;

void PaintTerrace(Canvas &c, uint32_t seed) {
  const SlantPlane plane = BoardPlane(0);
  const float lo = -kTerraceMargin, hi = 8 + kTerraceMargin;
  const Color stone = Rgb(104, 100, 116), mortar = Rgb(40, 38, 50), wallStone = Rgb(84, 80, 98);
  const Color slab = Rgb(34, 34, 50);
  ParallelRows(H, [&](int y) {
    for (int x = 0; x < W; ++x) {
      float u, v;
      plane.ToPlane(x + 0.5f, y + 0.5f, u, v);
      if (u >= lo && u <= hi && v >= lo && v <= hi) {
        Color col;
        if (u > -0.06f && u < 8.06f && v > -0.06f && v < 8.06f) {
          // Polished slab: a soft sheen from the light, faint veins.
          float sheen = std::exp(-std::pow((u - v * 0.35f - 5.2f) / 2.2f, 2.0f));
          float vein = std::pow(Ridged(u * 0.6f, v * 0.6f, seed + 2, 4), 6.0f);
          col = Mix(slab, Rgb(70, 70, 96), Clamp01(sheen * 0.55f + vein * 0.35f));
        } else {
          float shade;
          float joint = Paving(u * 1.7f, v * 1.7f, seed, shade);
          float n = Fbm(u * 0.9f, v * 0.9f, seed + 1, 4);
          col = Scale(stone, 1 + 0.1f * shade + 0.12f * n);
          col = Scale(col, 1.08f - 0.035f * (v - u * 0.4f));
          col = Mix(col, mortar, joint * 0.8f);
          float rimDist = std::min(std::min(u - lo, hi - u), std::min(v - lo, hi - v));
          col = Mix(col, Scale(stone, 1.35f), Clamp01(1 - rimDist / 0.06f) * 0.8f); // worn lip
        }
        col.a = 1;
        c.Set(x, y, col);
        continue;
      }
      // The two front walls hang from the edges u = lo (front left) and v = hi (front right).
      for (bool left : {true, false}) {
        float t, edgeY;
        if (left) {
          t = (x + 0.5f - (plane.ox + plane.ux * lo)) / plane.vx; // v along the edge
          edgeY = plane.oy + plane.uy * lo + plane.vy * t;
        } else {
          t = (x + 0.5f - (plane.ox + plane.vx * hi)) / plane.ux; // u along the edge
          edgeY = plane.oy + plane.vy * hi + plane.uy * t;
        }
        float down = y + 0.5f - edgeY;
        if (t < lo || t > hi || down < 0 || down > kTerraceWall) continue;
        float shade;
        float joint = Masonry(t * 2.2f, (kTerraceWall - down) / 11.0f, seed + (left ? 5 : 6), shade);
        Color col = Scale(wallStone, (left ? 1.0f : 0.62f) * (1 + 0.12f * shade));
        col = Scale(col, 1 + 0.1f * Fbm(x * 0.08f, y * 0.08f, seed + 9, 3));
        col = Mix(col, Scale(mortar, 0.7f), joint * 0.85f);
        col = Scale(col, 1 - 0.5f * (down / kTerraceWall));        // darker toward the foot
        if (down < 2.0f) col = Mix(col, Scale(stone, 1.3f), 0.6f); // coping
        col.a = 1;
        c.Set(x, y, col);
        break;
      }
    }
  });
}

Canvas MistMountainCanvas() {
  Canvas c(W, H);
  const Gradient sky{{0.0f, Rgb(12, 14, 36)},
                     {0.35f, Rgb(38, 38, 82)},
                     {0.62f, Rgb(92, 80, 128)},
                     {0.82f, Rgb(168, 132, 150)},
                     {1.0f, Rgb(206, 168, 156)}};
  PaintSky(c, sky, 0, 300, 120, 110, 240, Color{1.0f, 0.86f, 0.66f, 0.6f}, 101);
  PaintStars(c, 140, 140, 102);
  // A pale moon low in the upper left: the scene's light.
  AddGlow(c, 112, 84, 30, Rgb(255, 236, 200), 0.8f);
  for (int y = 66; y < 104; ++y)
    for (int x = 94; x < 132; ++x) {
      float dx = x + 0.5f - 112, dy = y + 0.5f - 84, d = std::hypot(dx, dy);
      float maria = 0.12f * Clamp01(Fbm(x * 0.09f, y * 0.09f, 103, 3) + 0.3f);
      float limb = 1 - 0.25f * Clamp01((dx + dy) / 14.0f) * Clamp01(d / 14.0f);
      Color moon = Scale(Rgb(252, 244, 228), limb * (1 - maria));
      c.Blend(x, y, moon, Clamp01(14.0f - d));
    }
  MountainRange far{250,
                    200,
                    240,
                    Rgb(150, 140, 176),
                    Rgb(70, 66, 110),
                    Color{0.93f, 0.92f, 0.98f, 1},
                    0.55f,
                    Rgb(150, 128, 160),
                    0.45f,
                    104};
  MountainRange mid{300,
                    180,
                    170,
                    Rgb(104, 98, 128),
                    Rgb(36, 36, 62),
                    Color{0.86f, 0.87f, 0.95f, 1},
                    0.6f,
                    Rgb(118, 100, 136),
                    0.25f,
                    105};
  MountainRange nearRange{370,
                          230,
                          120,
                          Rgb(72, 68, 90),
                          Rgb(20, 20, 36),
                          Color{0.8f, 0.82f, 0.9f, 0.8f},
                          0.68f,
                          Rgb(80, 70, 100),
                          0.1f,
                          106};
  nearRange.depthBelow = 120;
  PaintMountains(c, far);
  PaintMist(c, 190, 300, Rgb(176, 150, 170), 0.55f, 107);
  PaintMountains(c, mid);
  PaintMist(c, 250, 350, Rgb(130, 116, 150), 0.5f, 108);
  PaintMountains(c, nearRange);
  // The sea of cloud filling the valleys below the terrace.
  ParallelRows(H - 300, [&](int row) {
    int y = 300 + row;
    for (int x = 0; x < W; ++x) {
      float t = Clamp01((y - 300) / 300.0f);
      Color base = Mix(Rgb(70, 64, 100), Rgb(16, 16, 32), std::pow(t, 0.7f));
      float billow = Fbm(x * 0.008f, y * 0.022f, 109, 4);
      float top = Clamp01(0.5f + billow * 1.2f);
      Color col = Mix(base, Mix(Rgb(120, 108, 150), Rgb(40, 40, 66), t), top * (1 - t) * 0.8f);
      c.Blend(x, y, col, SmoothStep(300, 380, float(y)));
    }
  });
  PaintTerrace(c, 110);
  Vignette(c, 0.35f, 500, 0.45f);
  return c;
}

// Clouds on black. The picture is stretched to 2800 x 1200, so only its top half is ever on
// screen, and only its rows 0..60 lie above the board: the clouds keep to those rows, since at
// alpha 150 anything lower would veil the pieces as it drifts past.
//
// The colour key makes every texel wholly cloud or wholly sky, and each texel becomes a block of
// 3.5 x 2 screen pixels. A cloud that simply ended would show its outline as a staircase of those
// blocks, so its edges are made in two ways at once:
// - Its thin parts fade into the tone most of the sky behind them has in that row (the dark blue
//   beyond the moon's glow), so that over most of the sky the edge barely shows at all.
// - The outline itself is a band about ten screen pixels wide in which the cloud's coverage falls
//   smoothly, turned into cloud and sky texels by a threshold that is part blue noise (an even
//   spread, no clumps) and part streaks along the wind. The smooth stretching blends the band into
//   a soft, frayed edge of wisps instead of regular steps, also where it crosses the bright glow.
Bitmap Clouds(const Canvas &scene) {
  constexpr int rows = 70; // the clouds' rows
  constexpr float stretchX = 3.5f, stretchY = 2.0f;
  constexpr float edgeDensity = 0.18f; // where a cloud ends
  constexpr float band = 10.0f;        // width of the frayed edge, in screen pixels

  // The sky behind each row (texel row y covers screen rows 2y and 2y + 1): the tone at the middle
  // of that screen row's range of brightness, which is the dark blue away from the glow, lifted a
  // quarter of the way toward the row's average so that the glow is not wholly ignored.
  std::vector<Color> rowTint(rows);
  auto luma = [](const Color &k) { return 0.3f * k.r + 0.59f * k.g + 0.11f * k.b; };
  for (int ty = 0; ty < rows; ++ty) {
    std::vector<Color> line(W);
    Color mean{0, 0, 0, 1};
    for (int x = 0; x < W; ++x) {
      line[size_t(x)] = scene.Get(x, std::min(H - 1, ty * 2));
      mean.r += line[size_t(x)].r / W, mean.g += line[size_t(x)].g / W, mean.b += line[size_t(x)].b / W;
    }
    std::sort(line.begin(), line.end(), [&](const Color &l, const Color &r) {
      return std::make_tuple(luma(l), l.r, l.g, l.b) < std::make_tuple(luma(r), r.r, r.g, r.b);
    });
    Color median{0, 0, 0, 1};
    const int window = 40;
    for (int i = W / 2 - window / 2; i < W / 2 + window / 2; ++i)
      median.r += line[size_t(i)].r / window, median.g += line[size_t(i)].g / window,
          median.b += line[size_t(i)].b / window;
    rowTint[size_t(ty)] = Mix(median, mean, 0.25f);
  }

  std::vector<float> density(size_t(W) * rows);
  ParallelRows(rows, [&](int y) {
    for (int x = 0; x < W; ++x) {
      // Banks along the top, periodic across the width so the drift has no seam of its own.
      float bank = Fbm(x / 70.0f, y / 16.0f, 201, 4, 0.5f, 12, 0) * 0.9f + 0.2f;
      bank *= 1 - SmoothStep(18, 58, float(y));
      density[size_t(y) * W + size_t(x)] = Clamp01(bank * 1.5f);
    }
  });
  auto densityAt = [&](int x, int y) {
    return density[size_t(std::clamp(y, 0, rows - 1)) * W + size_t(std::clamp(x, 0, W - 1))];
  };

  // Which texels are cloud: coverage falls across the edge band and meets a threshold that is
  // part blue noise and part streaks along the wind.
  std::vector<float> inside(size_t(W) * rows);
  std::vector<char> solid(size_t(W) * rows, 0);
  ParallelRows(rows, [&](int y) {
    for (int x = 0; x < W; ++x) {
      // Distance inside the cloud's edge, in screen pixels, from the density and its slope.
      float gx = (densityAt(x + 1, y) - densityAt(x - 1, y)) * 0.5f / stretchX;
      float gy = (densityAt(x, y + 1) - densityAt(x, y - 1)) * 0.5f / stretchY;
      float depth = (densityAt(x, y) - edgeDensity) / std::max(std::hypot(gx, gy), 1e-4f);
      float cover = Clamp01(0.5f + depth / band);
      float streak = Clamp01(0.5f + 0.8f * Fbm(x / 12.0f, y / 1.2f, 213, 2));
      inside[size_t(y) * W + size_t(x)] = depth;
      solid[size_t(y) * W + size_t(x)] = cover > 0.3f * BlueNoise(x, y) + 0.7f * streak;
    }
  });
  // A lone texel would show as a dot and a lone gap as a pinhole: along the wind, every stroke of
  // cloud and every gap in one is made at least two texels long (left to right, each texel that
  // differs from both neighbours takes their value).
  for (int y = 0; y < rows; ++y) {
    char *line = &solid[size_t(y) * W];
    for (int x = 0; x < W; ++x) {
      char left = x > 0 ? line[x - 1] : 0, right = x + 1 < W ? line[x + 1] : 0;
      if (left == right) line[x] = left;
    }
  }

  Canvas c(W, H);
  ParallelRows(rows, [&](int y) {
    for (int x = 0; x < W; ++x) {
      if (!solid[size_t(y) * W + size_t(x)]) continue;
      float lit = Clamp01(0.65f + 0.4f * Fbm(x / 40.0f + 5, y / 10.0f, 205, 2) - y / 160.0f);
      Color cloud = Mix(Rgb(150, 142, 184), Rgb(236, 228, 244), lit);
      Color col = Mix(rowTint[size_t(y)], cloud, SmoothStep(0.15f, 0.55f, densityAt(x, y)));
      // The outer half of the band keeps to the sky's tone.
      col = Mix(rowTint[size_t(y)], col,
                SmoothStep(0.0f, 6.0f, inside[size_t(y) * W + size_t(x)] + band * 0.5f));
      col.a = 1;
      c.Set(x, y, col);
    }
  });
  return Bitmap::FromCanvas(c, Edge::Hard);
}

// --- Dungeon -----------------------------------------------------------------------------------
// The corner of a vaulted cellar seen from inside: two walls of masonry rise from floor lines
// parallel to the board's back edges and meet in a vertical corner behind the board's top.
Bitmap DungeonScreen() {
  Canvas c(W, H);
  const float shift = 60;
  const SlantPlane plane = BoardPlane(shift);
  const float backLeft = -2.0f, backRight = 10.0f; // v of the left wall's foot; u of the right one's
  const float cornerX = plane.ox + plane.ux * backRight + plane.vx * backLeft;
  const float torchX[2] = {176, 668}, torchY[2] = {150, 146};

  // A wall pixel: coordinates along the wall (in squares) and height above its foot (pixels).
  auto wall = [&](float along, float up, uint32_t seed, float light, float archAt) {
    float shade;
    float joint = Masonry(along * 1.5f, up / 26.0f, seed, shade);
    float grime = Fbm(along * 0.8f, up * 0.02f, seed + 1, 4);
    Color col = Scale(Rgb(76, 66, 62), light * (1 + 0.14f * shade + 0.16f * grime));
    col = Mix(col, Rgb(22, 18, 18), joint * 0.85f);
    col = Mix(col, Rgb(36, 46, 34), Clamp01(0.7f - up / 60.0f) * 0.5f); // damp moss at the foot
    // An arched alcove.
    float ax = along - archAt;
    const float archW = 1.35f, spring = 110, rise = 60;
    float inside = up < spring ? std::fabs(ax) - archW : std::hypot(ax / archW, (up - spring) / rise) - 1;
    if (inside < 0)
      col = Mix(Rgb(8, 6, 8), Rgb(30, 22, 22), Clamp01(up / 200));
    else if (inside < 0.13f)
      col = Scale(Rgb(98, 86, 78), light * (1.15f - inside * 3));
    return Scale(col, 1 - 0.35f * Clamp01(up / 420));
  };

  ParallelRows(H, [&](int y) {
    for (int x = 0; x < W; ++x) {
      float px = x + 0.5f, py = y + 0.5f;
      float u, v;
      plane.ToPlane(px, py, u, v);
      Color col;
      if (px < cornerX && v < backLeft) {
        float along = (px - (plane.ox + plane.vx * backLeft)) / plane.ux;
        float up = plane.oy + plane.uy * along + plane.vy * backLeft - py;
        col = wall(along, up, 301, 1.0f, 2.6f);
        col = Scale(col, 1 - 0.35f * SmoothStep(cornerX - 60, cornerX, px)); // into the corner
      } else if (px >= cornerX && u > backRight) {
        float along = (px - (plane.ox + plane.ux * backRight)) / plane.vx;
        float up = plane.oy + plane.uy * backRight + plane.vy * along - py;
        col = wall(along, up, 303, 0.8f, 5.2f);
        col = Scale(col, 1 - 0.45f * SmoothStep(cornerX + 60, cornerX, px));
      } else {
        // Floor of flagstones.
        float shade;
        float joint = Paving(u * 1.2f, v * 1.2f, 305, shade);
        col = Scale(Rgb(70, 62, 58), 1 + 0.12f * shade + 0.14f * Fbm(u * 1.3f, v * 1.3f, 306, 4));
        col = Mix(col, Rgb(22, 18, 18), joint * 0.8f);
        float damp = SmoothStep(0.25f, 0.6f, Fbm(u * 0.35f, v * 0.35f, 307, 3));
        col = Mix(col, Rgb(40, 44, 46), damp * 0.5f);
        // Darker in the corner where the walls meet the floor, and under the board's front rim.
        float nearWall = std::min(v - backLeft, backRight - u);
        col = Scale(col, 0.55f + 0.45f * SmoothStep(0.0f, 1.2f, nearWall));
        if (u > -0.25f && u < 8.0f && v > 0.0f && v < 8.3f) col = Scale(col, 0.55f);
      }
      col.a = 1;
      c.Set(x, y, col);
    }
  });
  // Torchlight: warm pools on the walls and floor, the left torch the stronger.
  for (int i = 0; i < 2; ++i)
    AddGlow(c, torchX[i], torchY[i], i == 0 ? 190.0f : 160.0f, Rgb(255, 150, 60), i == 0 ? 0.95f : 0.7f);
  for (int i = 0; i < 2; ++i) {
    // Iron bracket and flame.
    float tx = torchX[i], ty = torchY[i];
    for (int y = int(ty) - 30; y < int(ty) + 40; ++y)
      for (int x = int(tx) - 20; x < int(tx) + 20; ++x) {
        float dx = x + 0.5f - tx, dy = y + 0.5f - ty;
        if (dy > 4 && dy < 34 && std::fabs(dx + dy * 0.05f) < 2.6f - dy * 0.03f) c.Set(x, y, Rgb(36, 30, 28));
        if (dy > 2 && dy < 8 && std::fabs(dx) < 6 - (dy - 2) * 0.6f) c.Set(x, y, Rgb(60, 48, 40));
        float flame = std::hypot(dx / (5.5f - dy * 0.08f), (dy + 6) / 12.0f);
        float flicker = 0.1f * Noise(dx * 0.3f, dy * 0.2f, 308 + uint32_t(i));
        if (dy < 4 && flame + flicker < 1.0f) {
          float core = 1 - flame;
          c.Set(x, y, Mix(Rgb(230, 90, 20), Rgb(255, 240, 170), Clamp01(core * 1.6f)));
        }
      }
    AddGlow(c, tx, ty - 6, 26, Rgb(255, 200, 120), 0.8f);
  }
  Vignette(c, 0.55f, 480, 0.55f);
  return Bitmap::FromCanvas(c);
}

// --- River Of Life -------------------------------------------------------------------------------
// The river's centre line, from the upper right to the lower left, as x for a given y, and its
// half width there.
float RiverCentreX(float y) {
  return 700 - y * 0.95f + 38 * std::sin(y / 95.0f) + 18 * std::sin(y / 37.0f + 1);
}
float RiverHalfWidth(float y) { return 52 + 22 * std::sin(y / 120.0f + 0.6f) + y * 0.05f; }
// Distance-like measure from the bank: < 0 in the water.
float RiverEdge(float x, float y) {
  float across = std::fabs(x - RiverCentreX(y)) * 0.72f; // the river runs at a slant
  return across - RiverHalfWidth(y) + 6 * Fbm(x * 0.03f, y * 0.03f, 401, 3);
}

Bitmap Sand() {
  Canvas c(W, H);
  ParallelRows(H, [&](int y) {
    for (int x = 0; x < W; ++x) {
      float edge = RiverEdge(float(x), float(y));
      float depth = Clamp01(-edge / 60.0f); // 0 at the bank, 1 mid-river
      float ripple = std::sin((x * 0.55f + y * 0.9f) * 0.22f + 3 * Fbm(x * 0.02f, y * 0.02f, 402, 3));
      Color shallow = Rgb(150, 128, 86), deep = Rgb(18, 54, 64);
      Color col = Mix(shallow, deep, SmoothStep(0.0f, 0.8f, depth));
      col = Scale(col, 1 + 0.06f * ripple + 0.1f * Fbm(x * 0.04f, y * 0.04f, 403, 4));
      // Pebbles on the bed, lit from the upper left.
      float d1, d2;
      Cellular(x * 0.09f, y * 0.13f, 404, d1, d2);
      float pebble = SmoothStep(0.3f, 0.2f, d1);
      float lit = Clamp01(
          0.5f + 3 * (Noise(x * 0.09f - 0.06f, y * 0.13f - 0.08f, 405) - Noise(x * 0.09f, y * 0.13f, 405)));
      col = Mix(col, Scale(col, 0.8f + 0.8f * lit), pebble * 0.6f);
      // The river's own light: faint green-gold motes in the deep water.
      float mote = std::pow(Clamp01(Noise(x * 0.12f, y * 0.12f, 406)), 6.0f) * depth;
      col = Mix(col, Rgb(160, 255, 200), Clamp01(mote * 4));
      col.a = 1;
      c.Set(x, y, col);
    }
  });
  Vignette(c, 0.3f, 500, 0.4f);
  return Bitmap::FromCanvas(c);
}

// The water drifts left and down and jumps back every 83 seconds or so: by (833, -1000) screen
// pixels, that is (238.1, -230.8) of its own pixels once stretched 3.5 x 4.33. The ripples are
// built on a lattice that repeats along exactly that step, so the jump does not show.
Bitmap Water() {
  Canvas c(W, H);
  const float stepX = 833.33f / 3.5f, stepY = -1000.0f / (2600.0f / 600.0f);
  // Basis: d = (stepX, stepY) repeats; e = (0, 300) is an independent direction.
  const float ex = 0, ey = 300;
  const float det = stepX * ey - stepY * ex;
  const int cellsA = 6, cellsB = 5;
  ParallelRows(H, [&](int y) {
    for (int x = 0; x < W; ++x) {
      float px = x + 0.5f, py = y + 0.5f;
      float a = (px * ey - py * ex) / det, b = (stepX * py - stepY * px) / det;
      // Few octaves: every texel is stretched to a 3.5 x 4.3 block on screen.
      float n1 = Fbm(a * cellsA, b * cellsB, 501, 3, 0.5f, cellsA, 0);
      float n2 = Fbm(a * cellsA * 2 + 0.5f, b * cellsB * 2, 502, 2, 0.5f, cellsA * 2, 0);
      // Caustic lines where the warped field crosses zero.
      float caustic = std::exp(-std::pow((n1 + 0.35f * n2) * 4.0f, 2.0f));
      float sheen = 0.5f + 0.5f * n2;
      Color col = Mix(Rgb(20, 90, 120), Rgb(70, 180, 190), sheen);
      col = Mix(col, Rgb(210, 255, 240), Clamp01(caustic * 0.85f));
      col.a = 1;
      c.Set(x, y, col);
    }
  });
  return Bitmap::FromCanvas(c);
}

Bitmap RiverOfLifeLand() {
  Canvas c(W, H);
  ParallelRows(H, [&](int y) {
    for (int x = 0; x < W; ++x) {
      float edge = RiverEdge(float(x), float(y));
      if (edge < 0) continue; // the river: left pure black so the water and sand show through
      // Meadow: broad patches of colour and short strokes of grass leaning with the wind.
      float broad = Fbm(x * 0.006f, y * 0.009f, 601, 4);
      float patch = Fbm(x * 0.03f, y * 0.045f, 602, 3);
      float blades = Strokes(float(x), float(y), 603, 1.25f + 0.3f * broad, 0.5f);
      Color grass = Mix(Rgb(22, 44, 28), Rgb(70, 108, 50), Clamp01(0.5f + 0.9f * broad + 0.35f * patch));
      grass = Mix(grass, Rgb(120, 128, 60), Clamp01(patch - 0.25f) * 0.8f); // dry, golden tufts
      grass = Scale(grass, 1 + 0.22f * blades);
      // A few mossy boulders, rounded and lit from the upper left: only some cells hold one.
      float fx, fy;
      uint32_t id;
      NearestFeature(x * 0.016f, y * 0.026f, 604, fx, fy, id);
      if ((id & 3) == 0) {
        float bx = (x - fx / 0.016f) / 15.0f, by = (y - fy / 0.026f) / 10.0f;
        float wobble = 0.12f * Noise(x * 0.1f, y * 0.1f, 606);
        float r2 = bx * bx + by * by;
        if (r2 < (1 + wobble) * (1 + wobble)) {
          float nz = std::sqrt(std::max(0.0f, 1 - r2));
          float lit = Clamp01(Dot(Normalize(Vec3{bx, by, nz}), kLight));
          Color stone = Mix(Rgb(38, 40, 44), Rgb(160, 156, 146), lit);
          float moss = Clamp01(Fbm(x * 0.09f, y * 0.09f, 608, 3) + 0.15f - by * 0.4f);
          stone = Mix(stone, Scale(Rgb(84, 120, 56), 0.5f + 0.6f * lit), moss * 0.7f);
          grass = stone;
        } else if (r2 < 2.2f && by > 0) {
          grass = Scale(grass, 0.75f + 0.25f * Clamp01(r2 - 1.2f)); // its shadow on the grass
        }
      }
      // The bank: wet dark earth and pale pebbles along the water's edge, with a line of foam.
      float bank = 1 - SmoothStep(0.0f, 12.0f, edge);
      Color earth = Mix(Rgb(40, 34, 26), Rgb(104, 92, 70), Clamp01(0.5f + Noise(x * 0.35f, y * 0.35f, 609)));
      Color col = Mix(grass, earth, bank);
      if (edge < 1.6f) col = Mix(col, Rgb(196, 236, 226), 0.6f);
      // The river's light spills onto the near grass.
      col = Mix(col, Rgb(120, 220, 190), (1 - SmoothStep(0.0f, 40.0f, edge)) * 0.18f);
      // Clusters of small pale flowers.
      float cluster = SmoothStep(0.35f, 0.6f, Fbm(x * 0.02f, y * 0.03f, 610, 2));
      float dot = std::pow(Clamp01(Noise(x * 0.45f, y * 0.45f, 611)), 5.0f) * 20;
      Color petal =
          (Hash(uint32_t(x / 3), uint32_t(y / 3), 612) & 1) ? Rgb(250, 236, 170) : Rgb(200, 190, 250);
      col = Mix(col, petal, Clamp01(dot * cluster) * (1 - bank));
      col.a = 1;
      c.Set(x, y, col);
    }
  });
  // Dusk light from the upper left, darker toward the message strip.
  ParallelRows(H, [&](int y) {
    for (int x = 0; x < W; ++x) {
      float k = 1.15f - 0.5f * Clamp01((x * 0.4f + y) / 900.0f);
      float *p = c.At(x, y);
      for (int i = 0; i < 3; ++i)
        p[i] *= k;
    }
  });
  Vignette(c, 0.35f, 470, 0.55f);
  return Bitmap::FromCanvas(c, Edge::Hard);
}

} // namespace

void PaintScenes(ArtSet &set) {
  Canvas mist = MistMountainCanvas();
  set.bitmaps[art::kMistMountainScreen.path] = Bitmap::FromCanvas(mist);
  set.bitmaps[art::kClouds.path] = Clouds(mist);
  set.bitmaps[art::kDungeonScreen.path] = DungeonScreen();
  set.bitmaps[art::kSand.path] = Sand();
  set.bitmaps[art::kWater.path] = Water();
  set.bitmaps[art::kRiverOfLifeLand.path] = RiverOfLifeLand();
}

} // namespace artgen
