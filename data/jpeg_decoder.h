#pragma once
// jpeg_decoder.h -- JPEG members decoded from memory and uploaded as textures

#include <cstddef>
#include <cstdint>
#include <vector>

// A decoded JPEG: rows bottom-up (the first row is the bottom of the
// picture, as OpenGL expects), tightly packed.
struct DecodedImage {
  std::uint32_t stride = 0;  // bytes a row: width x components
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int components = 0;  // 3 for colour (red, green, blue), 1 for grey, 4 for CMYK
  std::vector<unsigned char> pixels;
};

// Decodes the archive member `path`. A missing member shows the message
// "ARCH:Can't load JPG file: <path>"; a broken image fails silently.
// Pictures with a side longer than `maxSide` are decoded at a half, a
// quarter or an eighth of their size, the first that fits; larger ones fail.
bool decodeJpeg(const char* path, DecodedImage& image, std::uint32_t maxSide);

// Decodes a JPEG held in memory; never reads outside [data, data + size).
// Truncated data decodes as far as it goes. False on a fatal error, and for
// a header that declares more pixels than `size` bytes can hold.
bool decodeJpegMemory(const unsigned char* data, std::size_t size, DecodedImage& image,
                      std::uint32_t maxSide);

// Decodes, within the context's largest texture, and uploads the image as a
// mipmapped RGB texture; 0 on failure.
std::uint32_t loadJpegTexture(const char* path);
