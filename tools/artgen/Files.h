// Writing (and, for the previews, reading back) the game's file formats.
#pragma once

#include "Canvas.h"

#include <optional>
#include <string>
#include <vector>

namespace artgen {

// 24-bit uncompressed BMP, bottom-up rows padded to four bytes.
bool WriteBmp(const std::string &path, const Bitmap &bitmap);
std::optional<Bitmap> ReadBmp(const std::string &path);

// 16-bit PCM WAV. samples are interleaved frames in -1..1; they are rounded, never clipped silently.
bool WriteWav(const std::string &path, int channels, int sampleRate, const std::vector<float> &samples);

bool WriteRaw(const std::string &path, const std::vector<unsigned char> &bytes);

// Creates the folder that will hold path (and its parents).
bool MakeParentFolders(const std::string &path);

} // namespace artgen
