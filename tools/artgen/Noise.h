// Deterministic randomness for painting and sound: a seeded generator and smooth noise fields.
#pragma once

#include <cstdint>

namespace artgen {

// SplitMix64: small, fast and the same on every machine.
class Rng {
public:
  explicit Rng(uint64_t seed) : state_(seed) {}
  uint64_t Next();
  float Uniform();                 // [0, 1)
  float Range(float lo, float hi); // [lo, hi)
  float Gaussian();                // mean 0, deviation 1

private:
  uint64_t state_;
};

// Gradient noise in about -1..1. With periodX / periodY > 0 the field repeats every that many
// lattice cells along that axis (coordinates are in cells).
float Noise(float x, float y, uint32_t seed, int periodX = 0, int periodY = 0);

// Fractal sum of octaves, normalised to about -1..1. Periods (in cells of the first octave) double
// with every octave, so a periodic field stays periodic.
float Fbm(float x, float y, uint32_t seed, int octaves, float gain = 0.5f, int periodX = 0, int periodY = 0);

// Ridged fractal noise in 0..1: sharp crests, for rock, mountains and cracks.
float Ridged(float x, float y, uint32_t seed, int octaves);

// Cellular noise: distance to the nearest and second-nearest feature point (in cells).
void Cellular(float x, float y, uint32_t seed, float &nearest, float &second);

// Cellular noise with the nearest feature point itself (in cells) and its cell's hash.
void NearestFeature(float x, float y, uint32_t seed, float &fx, float &fy, uint32_t &id);

uint32_t Hash(uint32_t a, uint32_t b = 0, uint32_t c = 0);

// Blue-noise dither threshold in [0, 1): a 64 x 64 tile, repeated, in which the pixels below any
// level are spread evenly, with neither clumps nor a regular pattern. Turning a soft coverage into
// on/off pixels with it leaves the finest, most even grain a one-bit picture can have.
float BlueNoise(int x, int y);

} // namespace artgen
