// Small picture and sound files that tests write for themselves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes a 24-bit BMP of width x height pixels given row by row from the top as 0xRRGGBB.
void WriteBmp(const std::string &file, int width, int height, const std::vector<uint32_t> &pixels);
// A BMP of one colour.
void WriteSolidBmp(const std::string &file, int width, int height, uint32_t rgb);

// Writes a 16-bit mono PCM WAV at 22050 Hz, `milliseconds` long, of a quiet tone.
void WriteWav(const std::string &file, int milliseconds);

// Writes the bytes as they stand (for damaged files).
void WriteBytes(const std::string &file, const std::vector<uint8_t> &bytes);

// The whole file, or empty when it cannot be read.
std::string ReadTextFile(const std::string &file);
