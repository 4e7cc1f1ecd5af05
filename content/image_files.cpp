// image_files.cpp -- pictures as TGA and JPEG bytes
#include "content/image_files.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

std::vector<unsigned char> encodeTga(const Image& image) {
  const int w = image.width(), h = image.height();
  std::vector<unsigned char> out(18, 0);
  out[2] = 2;  // uncompressed true colour
  out[12] = static_cast<unsigned char>(w & 0xFF);
  out[13] = static_cast<unsigned char>(w >> 8);
  out[14] = static_cast<unsigned char>(h & 0xFF);
  out[15] = static_cast<unsigned char>(h >> 8);
  out[16] = 32;
  out[17] = 8;  // eight alpha bits, origin at the bottom left
  const std::vector<unsigned char> rgba = image.rgbaBytes();
  out.reserve(out.size() + rgba.size());
  for (int y = h - 1; y >= 0; --y) {
    const unsigned char* row = &rgba[std::size_t(y) * w * 4];
    for (int x = 0; x < w; ++x) {
      const unsigned char* p = row + x * 4;
      out.insert(out.end(), {p[2], p[1], p[0], p[3]});
    }
  }
  return out;
}

std::vector<unsigned char> encodeJpeg(const Image& image, int quality) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(image.width());
  cinfo.image_height = static_cast<JDIMENSION>(image.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  cinfo.optimize_coding = TRUE;
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> rgb = image.rgbBytes();
  const std::size_t stride = std::size_t(image.width()) * 3;
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = &rgb[cinfo.next_scanline * stride];
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::vector<unsigned char> out(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

bool writeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
}
