#pragma once
// noise.h -- three-dimensional gradient noise and its octave sums, for planet maps

#include <cstdint>

// Deterministic gradient noise in three dimensions, about -1..1, and sums of
// octaves of it. Sampling on the unit sphere gives seamless planet maps.
float noise3(float x, float y, float z, std::uint32_t seed);

// Fractal sum of `octaves` noise layers, each twice the frequency and
// `gain` times the amplitude of the one before; normalised to about -1..1.
float fbm3(float x, float y, float z, int octaves, float gain, std::uint32_t seed);

// 1 - |noise|, summed in octaves: sharp ridges, 0..1.
float ridged3(float x, float y, float z, int octaves, std::uint32_t seed);

// A hash of three integers and a seed, uniform in 0..1.
float hash01(std::int32_t x, std::int32_t y, std::int32_t z, std::uint32_t seed);
