// texture_upload.cpp -- decoded pixels into mipmapped textures, with where each can add light
#include "data/texture_upload.h"

#include <vector>

#include "gl/texture_coverage.h"

namespace {

std::vector<GLuint> madeTextures;

// GLU's own choice of a power-of-two size: the two highest bits decide
// whether to round up or down.
int nearestPowerOfTwo(int value) {
  int power = 1;
  for (; value > 1; value >>= 1) {
    if (value == 3) return power * 4;
    power *= 2;
  }
  return power;
}

int componentsOf(GLenum format) {
  switch (format) {
    case GL_RGBA: return 4;
    case GL_RGB: return 3;
    default: return 1;
  }
}

}  // namespace

std::uint32_t maxTextureSide() {
  GLint side = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
  return side > 64 ? std::uint32_t(side) : 64;
}

std::uint32_t uploadMipmappedTexture(GLint components, int width, int height, GLenum format,
                                     const unsigned char* pixels) {
  if (width <= 0 || height <= 0 || !pixels) return 0;
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);

  // gluBuild2DMipmaps loses the last row of some images whose sides it has
  // to scale to powers of two; scaling them beforehand keeps every row.
  std::vector<unsigned char> scaled;
  const int scaledWidth = nearestPowerOfTwo(width), scaledHeight = nearestPowerOfTwo(height);
  if (scaledWidth != width || scaledHeight != height) {
    scaled.resize(std::size_t(scaledWidth) * std::size_t(scaledHeight) *
                  std::size_t(componentsOf(format)));
    GLint packAlignment = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &packAlignment);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    const GLint failed = gluScaleImage(format, width, height, GL_UNSIGNED_BYTE, pixels,
                                       scaledWidth, scaledHeight, GL_UNSIGNED_BYTE, scaled.data());
    glPixelStorei(GL_PACK_ALIGNMENT, packAlignment);
    if (failed) return 0;
    pixels = scaled.data();
    width = scaledWidth;
    height = scaledHeight;
  }

  GLuint texture = 0;
  glGenTextures(1, &texture);
  if (texture == 0) return 0;
  glBindTexture(GL_TEXTURE_2D, texture);
  const GLint built =
      gluBuild2DMipmaps(GL_TEXTURE_2D, components, width, height, format, GL_UNSIGNED_BYTE, pixels);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  if (built != 0) {
    glBindTexture(GL_TEXTURE_2D, 0);
    glDeleteTextures(1, &texture);
    return 0;
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  recordTextureCoverage(texture);
  madeTextures.push_back(texture);
  return texture;
}

void deleteUploadedTextures() {
  if (!madeTextures.empty()) glDeleteTextures(GLsizei(madeTextures.size()), madeTextures.data());
  madeTextures.clear();
}
