// tga_decoder.cpp -- TGA members decoded from memory and uploaded as textures
#include "data/tga_decoder.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "data/data_file.h"
#include "data/texture_upload.h"
#include "host/host.h"

namespace {

enum ImageType : std::uint8_t {
  kColourMapped = 1,
  kTrueColour = 2,
  kGrey = 3,
  kRleColourMapped = 9,
  kRleTrueColour = 10,
  kRleGrey = 11,
};

std::uint32_t remaining(const DataFile& file) {
  return file.position < file.size ? file.size - file.position : 0;
}

std::uint8_t read8(DataFile& file) {
  std::uint8_t v = 0;
  file.read(&v, 1);
  return v;
}

std::uint16_t read16(DataFile& file) {
  unsigned char b[2] = {};
  file.read(b, 2);
  return std::uint16_t(b[0] | b[1] << 8);
}

bool readHeader(DataFile& file, TgaImage& image) {
  image.idLength = read8(file);
  image.colourMapType = read8(file);
  image.imageType = read8(file);
  image.colourMapFirst = read16(file);
  image.colourMapLength = read16(file);
  image.colourMapEntrySize = read8(file);
  image.xOrigin = read16(file);
  image.yOrigin = read16(file);
  image.width = read16(file);
  image.height = read16(file);
  image.pixelDepth = read8(file);
  image.descriptor = read8(file);
  return !file.pastEnd();
}

// A 16-bit value (x, red 5, green 5, blue 5 bits) as blue, green, red bytes.
void expand16(const unsigned char* in, unsigned char* out) {
  const unsigned v = unsigned(in[0]) | unsigned(in[1]) << 8;
  out[0] = std::uint8_t((v & 0x1F) << 3);
  out[1] = std::uint8_t(((v >> 5) & 0x1F) << 3);
  out[2] = std::uint8_t(((v >> 10) & 0x1F) << 3);
}

// Reads `count` stored pixels of `bytesIn` bytes each, as they are.
bool readRaw(DataFile& file, std::vector<unsigned char>& out, std::size_t count,
             unsigned bytesIn) {
  const std::size_t bytes = count * bytesIn;
  if (remaining(file) < bytes) return false;
  out.resize(bytes);
  file.read(out.data(), std::uint32_t(bytes));
  return true;
}

bool readRaw16(DataFile& file, std::vector<unsigned char>& out, std::size_t count) {
  std::vector<unsigned char> stored;
  if (!readRaw(file, stored, count, 2)) return false;
  out.resize(count * 3);
  for (std::size_t i = 0; i < count; ++i) expand16(&stored[i * 2], &out[i * 3]);
  return true;
}

bool readRle(DataFile& file, std::vector<unsigned char>& out, const TgaImage& image, int depth) {
  const std::size_t bytesOut = depth == 16 ? 3 : std::size_t(depth / 8);
  out.resize(std::size_t(image.width) * image.height * bytesOut);
  return decodeTgaRle(out.data(), image.width, image.height, depth, file);
}

// Each colour-map index becomes its entry's blue, green, red; an index
// beyond the map gives black.
void expandColourMap(TgaImage& image, const std::vector<unsigned char>& indices) {
  const std::size_t entries = image.colourMap.size() / 3;
  image.pixels.assign(indices.size() * 3, 0);
  for (std::size_t i = 0; i < indices.size(); ++i)
    if (indices[i] < entries) std::memcpy(&image.pixels[i * 3], &image.colourMap[indices[i] * 3], 3);
  std::vector<unsigned char>().swap(image.colourMap);
  image.pixelDepth = 24;
}

// The pixel data for each accepted pairing of depth and image type.
bool decodePixels(DataFile& file, TgaImage& image) {
  const std::size_t count = std::size_t(image.width) * image.height;
  const std::uint8_t type = image.imageType;
  switch (image.pixelDepth) {
    case 8:
      if (type == kColourMapped || type == kRleColourMapped) {
        std::vector<unsigned char> indices;
        const bool read = type == kColourMapped ? readRaw(file, indices, count, 1)
                                                : readRle(file, indices, image, 8);
        if (!read) return false;
        expandColourMap(image, indices);
        return true;
      }
      if (type == kGrey) return readRaw(file, image.pixels, count, 1);
      if (type == kRleGrey) return readRle(file, image.pixels, image, 8);
      return false;
    case 16:
      if (type != kTrueColour && type != kRleTrueColour) return false;
      image.pixelDepth = 24;
      return type == kTrueColour ? readRaw16(file, image.pixels, count)
                                 : readRle(file, image.pixels, image, 16);
    case 24:
      if (type == kTrueColour) return readRaw(file, image.pixels, count, 3);
      if (type == kRleTrueColour) return readRle(file, image.pixels, image, 24);
      return false;
    case 32:
      if (type == kTrueColour) {
        if (!readRaw(file, image.pixels, count, 4)) return false;
        for (std::size_t i = 0; i < image.pixels.size(); i += 4)
          std::swap(image.pixels[i], image.pixels[i + 2]);
        return true;
      }
      // Run-length 32-bit pixels keep their stored order; our files rely on it.
      if (type == kRleTrueColour) return readRle(file, image.pixels, image, 32);
      return false;
    default:
      return false;
  }
}

}  // namespace

bool decodeTgaRle(unsigned char* dest, unsigned width, unsigned height, int depth, DataFile& file) {
  if (depth != 8 && depth != 16 && depth != 24 && depth != 32) return false;
  const unsigned bytesIn = unsigned(depth) / 8, bytesOut = depth == 16 ? 3 : bytesIn;
  const std::size_t total = std::size_t(width) * height;
  std::size_t produced = 0;
  unsigned char value[4];
  auto emit = [&] {
    if (depth == 16)
      expand16(value, dest + produced * bytesOut);
    else
      std::memcpy(dest + produced * bytesOut, value, bytesOut);
    ++produced;
  };
  while (produced < total) {
    if (remaining(file) < 1) return false;
    const std::uint8_t header = read8(file);
    const std::size_t run = std::min<std::size_t>((header & 0x7F) + 1, total - produced);
    if (header & 0x80) {
      if (remaining(file) < bytesIn) return false;
      file.read(value, bytesIn);
      for (std::size_t i = 0; i < run; ++i) emit();
    } else {
      for (std::size_t i = 0; i < run; ++i) {
        if (remaining(file) < bytesIn) return false;
        file.read(value, bytesIn);
        emit();
      }
    }
  }
  return true;
}

bool decodeTga(const char* path, TgaImage& image, std::uint32_t maxSide) {
  image = TgaImage();
  DataFile file;
  return file.open(path) && decodeTgaFile(file, image, maxSide);
}

bool decodeTgaFile(DataFile& file, TgaImage& image, std::uint32_t maxSide) {
  image = TgaImage();
  if (!readHeader(file, image)) return false;
  file.seek(image.idLength, 1);

  const std::uint8_t type = image.imageType;
  if (type == kColourMapped || type == kRleColourMapped) {
    if (image.colourMapType != 1 || image.colourMapEntrySize != 24) return false;
    const std::uint32_t bytes = std::uint32_t(image.colourMapLength) * 3;
    if (remaining(file) < bytes) return false;
    image.colourMap.resize(bytes);
    file.read(image.colourMap.data(), bytes);
  } else if (type == kTrueColour || type == kGrey || type == kRleTrueColour || type == kRleGrey) {
    // A colour map that such an image carries is skipped; its entries take
    // whole bytes (a 15-bit entry is stored in two).
    if (image.colourMapType == 1)
      file.seek(std::int32_t(image.colourMapLength) * ((image.colourMapEntrySize + 7) / 8), 1);
  } else {
    return false;
  }

  const std::uint8_t depth = image.pixelDepth;
  if (depth != 8 && depth != 16 && depth != 24 && depth != 32) {
    host().showMessage("Unsupported image depth.", "TGA");
    return false;
  }
  const std::uint64_t count = std::uint64_t(image.width) * image.height;
  // A run-length packet of two bytes yields at most 128 pixels.
  if (count == 0 || count > kMaxImagePixels || count > std::uint64_t(remaining(file)) * 128 ||
      image.width > maxSide || image.height > maxSide)
    return false;
  if (!decodePixels(file, image)) {
    image.pixels.clear();
    return false;
  }
  return true;
}

std::uint32_t loadTgaTexture(const char* path) {
  TgaImage image;
  if (!decodeTga(path, image, maxTextureSide())) return 0;
  GLenum format = GL_RGBA;
  if (image.pixelDepth == 24) {
    // OpenGL 1.1 takes no blue-green-red rows: turn them to red, green, blue.
    for (std::size_t i = 0; i + 2 < image.pixels.size(); i += 3)
      std::swap(image.pixels[i], image.pixels[i + 2]);
    format = GL_RGB;
  } else if (image.pixelDepth == 8) {
    format = GL_LUMINANCE;
  }
  return uploadMipmappedTexture(4, image.width, image.height, format, image.pixels.data());
}
