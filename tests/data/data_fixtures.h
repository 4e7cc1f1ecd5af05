#pragma once

// Builders of the binary members the data tests and benchmarks load:
// TGA and JPEG images and mesh data files.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <vector>

#include <jpeglib.h>

using Bytes = std::vector<unsigned char>;

inline void put16(Bytes& out, unsigned v) {
  out.push_back(std::uint8_t(v));
  out.push_back(std::uint8_t(v >> 8));
}

inline void put32(Bytes& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

inline void putFloat(Bytes& out, float f) {
  std::uint32_t bits;
  std::memcpy(&bits, &f, 4);
  put32(out, bits);
}

struct TgaHeader {
  unsigned idLength = 0, colourMapType = 0, imageType = 2;
  unsigned mapFirst = 0, mapLength = 0, mapEntrySize = 0;
  unsigned width = 1, height = 1, depth = 24, descriptor = 0;
};

inline TgaHeader tgaHeader(unsigned type, unsigned width, unsigned height, unsigned depth) {
  TgaHeader h;
  h.imageType = type;
  h.width = width;
  h.height = height;
  h.depth = depth;
  return h;
}

// The 18 header bytes, then `idLength` bytes of image ID, then `body`.
inline Bytes tgaFile(const TgaHeader& h, const Bytes& body) {
  Bytes out;
  out.push_back(std::uint8_t(h.idLength));
  out.push_back(std::uint8_t(h.colourMapType));
  out.push_back(std::uint8_t(h.imageType));
  put16(out, h.mapFirst);
  put16(out, h.mapLength);
  out.push_back(std::uint8_t(h.mapEntrySize));
  put16(out, 0);
  put16(out, 0);
  put16(out, h.width);
  put16(out, h.height);
  out.push_back(std::uint8_t(h.depth));
  out.push_back(std::uint8_t(h.descriptor));
  for (unsigned i = 0; i < h.idLength; ++i) out.push_back(std::uint8_t('#'));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

// A baseline (or progressive) JPEG of the given rows (top first): 1
// (grey), 3 (RGB) or 4 (CMYK) components a pixel.
inline Bytes jpegFile(int width, int height, int components, const Bytes& pixels,
                      int quality = 95, bool progressive = false) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = JDIMENSION(width);
  cinfo.image_height = JDIMENSION(height);
  cinfo.input_components = components;
  cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 4 ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  const std::size_t stride = std::size_t(width) * std::size_t(components);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<unsigned char*>(pixels.data()) + cinfo.next_scanline * stride;
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

// Pixels of a width x height picture, `components` bytes each, all `value`.
inline Bytes filled(int width, int height, std::initializer_list<unsigned char> value) {
  Bytes out(std::size_t(width) * std::size_t(height) * value.size());
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = value.begin()[i % value.size()];
  return out;
}

struct MeshData {
  std::vector<float> vertices;         // x y z each
  std::vector<std::uint32_t> faces;    // a b c each
  std::vector<std::uint32_t> texFaces; // ta tb tc each
  std::vector<float> uvs;              // u v each
  std::vector<float> normals;          // 9 per face
};

inline Bytes meshFile(const MeshData& m) {
  Bytes out;
  const auto nf = std::uint32_t(m.faces.size() / 3);
  put32(out, std::uint32_t(m.vertices.size() / 3));
  put32(out, nf);
  put32(out, std::uint32_t(m.uvs.size() / 2));
  for (float f : m.vertices) putFloat(out, f);
  for (std::uint32_t i : m.faces) put32(out, i);
  for (std::uint32_t i : m.texFaces) put32(out, i);
  for (float f : m.uvs) putFloat(out, f);
  for (float f : m.normals) putFloat(out, f);
  return out;
}

// A unit sphere of latitude/longitude bands: 2 x bands x (bands - 1) faces.
inline MeshData sphereMesh(int bands) {
  MeshData m;
  const float pi = 3.14159265f;
  for (int i = 0; i <= bands; ++i) {
    for (int j = 0; j <= bands; ++j) {
      const float theta = pi * float(i) / float(bands), phi = 2 * pi * float(j) / float(bands);
      m.vertices.insert(m.vertices.end(), {std::sin(theta) * std::cos(phi), std::cos(theta),
                                           std::sin(theta) * std::sin(phi)});
      m.uvs.insert(m.uvs.end(), {float(j) / float(bands), 1 - float(i) / float(bands)});
    }
  }
  const auto at = [bands](int i, int j) { return std::uint32_t(i * (bands + 1) + j); };
  auto face = [&](std::uint32_t a, std::uint32_t b, std::uint32_t c) {
    m.faces.insert(m.faces.end(), {a, b, c});
    m.texFaces.insert(m.texFaces.end(), {a, b, c});
    for (std::uint32_t v : {a, b, c})
      m.normals.insert(m.normals.end(), m.vertices.begin() + v * 3, m.vertices.begin() + v * 3 + 3);
  };
  for (int i = 0; i < bands; ++i) {
    for (int j = 0; j < bands; ++j) {
      if (i != 0) face(at(i, j), at(i + 1, j), at(i, j + 1));
      if (i != bands - 1) face(at(i, j + 1), at(i + 1, j), at(i + 1, j + 1));
    }
  }
  return m;
}
