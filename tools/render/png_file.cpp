// png_file.cpp -- the current frame written as a PNG file
#include "tools/render/png_file.h"

#include <png.h>

#include <cstdio>
#include <vector>

#include "gl/gl.h"

namespace {

struct PngWriter {
  std::FILE* file = nullptr;
  png_structp png = nullptr;
  png_infop info = nullptr;

  ~PngWriter() {
    if (png) png_destroy_write_struct(&png, info ? &info : nullptr);
    if (file) std::fclose(file);
  }
};

}  // namespace

bool writeFramePng(const std::string& path, int width, int height, std::string* error) {
  auto fail = [&](const char* why) {
    if (error) *error = path + ": " + why;
    return false;
  };
  const std::size_t rowBytes = std::size_t(width) * 3;
  std::vector<unsigned char> pixels(rowBytes * std::size_t(height));
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());

  // OpenGL's rows run bottom-up; a PNG's top-down.
  std::vector<png_bytep> rows(static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y)
    rows[std::size_t(y)] = pixels.data() + rowBytes * std::size_t(height - 1 - y);

  PngWriter writer;
  writer.file = std::fopen(path.c_str(), "wb");
  if (!writer.file) return fail("cannot create the file");
  writer.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!writer.png) return fail("libpng cannot start");
  writer.info = png_create_info_struct(writer.png);
  if (!writer.info) return fail("libpng cannot start");
  if (setjmp(png_jmpbuf(writer.png))) return fail("libpng failed to write the picture");
  png_init_io(writer.png, writer.file);
  png_set_IHDR(writer.png, writer.info, png_uint_32(width), png_uint_32(height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(writer.png, writer.info);
  png_write_image(writer.png, rows.data());
  png_write_end(writer.png, nullptr);
  const bool written = !std::ferror(writer.file);
  const bool closed = std::fclose(writer.file) == 0;
  writer.file = nullptr;
  if (!written || !closed) return fail("the file could not be written in full");
  return true;
}
