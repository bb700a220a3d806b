// A match frame put together the way the game draws it: the scene's layers, the 64 tiles, one
// marked square and the starting position's pieces. Used for the scene previews and for the
// miniatures on the map buttons.
#pragma once

#include "Canvas.h"

#include <functional>
#include <string>

namespace artgen {

enum class Arena { MistMountain = 1, Dungeon = 2, RiverOfLife = 3 };

struct BoardView {
  Arena arena = Arena::MistMountain;
  int markedRow = -1, markedColumn = -1;
  bool pieces = true;
  float cloudOffset = 900; // pixels the clouds have drifted (0 to 2000)
  float waterAcross = 400; // pixels the water has drifted left
  float waterDown = 480;   // pixels the water has drifted down
  bool smooth = false;     // stretched layers filtered smoothly, as on screen (see DrawSprite)
};

using PictureLookup = std::function<const Bitmap *(const std::string &path)>;

// Draws one frame of a match onto an 800 x 600 canvas. Missing pictures are skipped.
Canvas ComposeBoard(const PictureLookup &lookup, const BoardView &view);

// Screen position of a square's tile before any scene shift.
int SquareScreenX(int row, int column);
int SquareScreenY(int row, int column);

// Draws a picture stretched over (left, top, width, height) with its colour key and an overall
// alpha (0..255), as the game's sprites are drawn: nearest texel, or with `smooth` a stretched
// picture filtered bilinearly as the game's renderer does (transparent texels blend in as
// nothing, never as black).
void DrawSprite(Canvas &target, const Bitmap &picture, float left, float top, float width, float height,
                int alpha, bool smooth = false);

} // namespace artgen
