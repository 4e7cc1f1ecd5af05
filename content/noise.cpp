// noise.cpp -- three-dimensional gradient noise and its octave sums, for planet maps
#include "content/noise.h"

#include <cmath>

static std::uint32_t hash(std::int32_t x, std::int32_t y, std::int32_t z, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B9u;
  h ^= std::uint32_t(x) * 0x85EBCA6Bu;
  h = (h ^ (h >> 13)) * 0xC2B2AE35u;
  h ^= std::uint32_t(y) * 0x27D4EB2Fu;
  h = (h ^ (h >> 15)) * 0x165667B1u;
  h ^= std::uint32_t(z) * 0x9E3779B1u;
  h = (h ^ (h >> 16)) * 0x85EBCA77u;
  return h ^ (h >> 13);
}

float hash01(std::int32_t x, std::int32_t y, std::int32_t z, std::uint32_t seed) {
  return float(hash(x, y, z, seed) >> 8) / float(1u << 24);
}

// The dot product of the corner's pseudo-random gradient (one of the twelve
// cube-edge directions) with the offset from the corner.
static float gradient(std::int32_t x, std::int32_t y, std::int32_t z, std::uint32_t seed, float dx,
                      float dy, float dz) {
  switch (hash(x, y, z, seed) % 12) {
    case 0: return dx + dy;
    case 1: return -dx + dy;
    case 2: return dx - dy;
    case 3: return -dx - dy;
    case 4: return dx + dz;
    case 5: return -dx + dz;
    case 6: return dx - dz;
    case 7: return -dx - dz;
    case 8: return dy + dz;
    case 9: return -dy + dz;
    case 10: return dy - dz;
    default: return -dy - dz;
  }
}

static float fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }
static float lerp(float a, float b, float t) { return a + (b - a) * t; }

float noise3(float x, float y, float z, std::uint32_t seed) {
  const float fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
  const auto ix = std::int32_t(fx), iy = std::int32_t(fy), iz = std::int32_t(fz);
  const float dx = x - fx, dy = y - fy, dz = z - fz;
  const float u = fade(dx), v = fade(dy), w = fade(dz);
  float corners[8];
  for (int i = 0; i < 8; ++i) {
    const int cx = i & 1, cy = (i >> 1) & 1, cz = (i >> 2) & 1;
    corners[i] = gradient(ix + cx, iy + cy, iz + cz, seed, dx - cx, dy - cy, dz - cz);
  }
  const float x00 = lerp(corners[0], corners[1], u), x10 = lerp(corners[2], corners[3], u);
  const float x01 = lerp(corners[4], corners[5], u), x11 = lerp(corners[6], corners[7], u);
  return lerp(lerp(x00, x10, v), lerp(x01, x11, v), w);
}

float fbm3(float x, float y, float z, int octaves, float gain, std::uint32_t seed) {
  float sum = 0, amplitude = 1, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += noise3(x, y, z, seed + std::uint32_t(i)) * amplitude;
    total += amplitude;
    amplitude *= gain;
    x *= 2.03f;
    y *= 2.03f;
    z *= 2.03f;
  }
  return sum / total * 1.6f;
}

float ridged3(float x, float y, float z, int octaves, std::uint32_t seed) {
  float sum = 0, amplitude = 1, total = 0;
  for (int i = 0; i < octaves; ++i) {
    const float n = 1 - std::fabs(noise3(x, y, z, seed + std::uint32_t(i)));
    sum += n * n * amplitude;
    total += amplitude;
    amplitude *= 0.5f;
    x *= 2.03f;
    y *= 2.03f;
    z *= 2.03f;
  }
  return sum / total;
}
