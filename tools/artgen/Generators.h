// The groups of the game's art. Each paints its files into the set; later groups may use
// earlier ones (the map buttons are miniatures of the finished board scenes).
#pragma once

#include "Paint.h"

namespace artgen {

void PaintPieces(ArtSet &set);  // the twelve chessmen
void PaintTiles(ArtSet &set);   // glass and rock tiles, the selected-square overlay
void PaintScenes(ArtSet &set);  // the three board scenes with their moving layers
void PaintFinales(ArtSet &set); // victory, defeat and the closing picture
void PaintMenus(ArtSet &set);   // main menu, panels and widgets, cursor
void PaintTitle(ArtSet &set);   // studio emblem, logo file, pixel colour, sword frames
void MakeSounds(ArtSet &set);

// Contact sheet and scene previews from the files in the data folder.
int WritePreviews(const std::string &dataDir, const std::string &outDir);

} // namespace artgen
