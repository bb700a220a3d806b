// Turning a bitmap file into the pixels of a sprite's texture: the colour key (opaque pure black
// becomes fully transparent) and the resampling of the picture to the sprite's size.
#pragma once

#include <cstdint>
#include <vector>

// The largest texture side accepted, in pixels; bigger pictures or rectangles are refused.
constexpr int kMaxTextureSide = 16384;

// Loads the BMP `file` as 0xAARRGGBB pixels, row by row from the top, resampled to width x height
// (a side of 0 takes the file's own). Returns false (pixels untouched) when the file is missing,
// damaged, or the picture or the size is unreasonably large.
bool LoadTexturePixels(const char *file, int width, int height, std::vector<uint32_t> &pixels, int &outWidth,
                       int &outHeight);

// Resamples 0xAARRGGBB pixels to a new size with a tent filter in premultiplied alpha (so that
// transparent pixels do not darken the edges they border). Sizes must be at least 1.
void ResamplePixels(const std::vector<uint32_t> &source, int sourceWidth, int sourceHeight,
                    std::vector<uint32_t> &target, int targetWidth, int targetHeight);

// Gives every fully transparent pixel the colour of its opaque neighbours (keeping it transparent),
// so that a filtering renderer blends edges with the picture's own colours, not with black.
void BleedTransparentEdges(std::vector<uint32_t> &pixels, int width, int height);
