#pragma once
// mipmap_chain.h -- an image's mipmap levels made on the CPU: power-of-two sides, then halves to 1 x 1

#include <vector>

// One level: rows bottom first, tightly packed, `components` bytes a texel.
struct MipmapLevel {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> texels;
};

// The chain of an image of `components` (1 to 4) bytes a texel, by one box
// filter throughout. Level 0 is the image at the nearest powers of two
// (GLU's choice of sizes), each texel the average of the image's area it
// covers; each further level averages 2 x 2 texels of the one before (2 x 1
// once a side is 1), rounded to nearest, down to 1 x 1. Empty for an empty
// image.
std::vector<MipmapLevel> mipmapChain(const unsigned char* pixels, int width, int height,
                                     int components);
