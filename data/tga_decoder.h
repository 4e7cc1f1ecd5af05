#pragma once
// tga_decoder.h -- TGA members decoded from memory and uploaded as textures

#include <cstdint>
#include <vector>

class DataFile;

// A decoded TGA: the header fields, the colour map while it is needed and
// the pixels, rows in file order (the first stored row is the bottom one).
// After decoding, pixelDepth / 8 is the bytes a pixel: 1 (grey), 3 (blue,
// green, red) or 4; 16-bit and colour-mapped images decode to 24 bits.
struct TgaImage {
  std::uint8_t idLength = 0;
  std::uint8_t colourMapType = 0;
  std::uint8_t imageType = 0;
  std::uint16_t colourMapFirst = 0;
  std::uint16_t colourMapLength = 0;
  std::uint8_t colourMapEntrySize = 0;
  std::uint16_t xOrigin = 0;
  std::uint16_t yOrigin = 0;
  std::uint16_t width = 0;
  std::uint16_t height = 0;
  std::uint8_t pixelDepth = 0;
  std::uint8_t descriptor = 0;
  std::vector<unsigned char> colourMap;  // 3 bytes an entry: blue, green, red
  std::vector<unsigned char> pixels;
};

// Decodes the archive member `path` (image types 1, 2, 3, 9, 10, 11). False
// for a missing member, a type, colour map or depth it does not take, a
// side longer than `maxSide`, or data that ends before the image; an
// unsupported depth also shows "Unsupported image depth.".
bool decodeTga(const char* path, TgaImage& image, std::uint32_t maxSide);

// The same for a file already in memory, read from its current position.
bool decodeTgaFile(DataFile& file, TgaImage& image, std::uint32_t maxSide);

// Run-length decoding of width x height pixels of `depth` bits into `dest`,
// which holds width x height x (depth / 8) bytes (x 3 for depth 16, whose
// values become blue, green, red). A packet running past the last pixel is
// cut there. False when the data ends first.
bool decodeTgaRle(unsigned char* dest, unsigned width, unsigned height, int depth, DataFile& file);

// Decodes, within the context's largest texture, and uploads the image as a
// mipmapped texture; 0 on failure.
std::uint32_t loadTgaTexture(const char* path);
