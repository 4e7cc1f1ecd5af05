// texture_upload.cpp -- decoded pixels into mipmapped textures, with where each can add light
#include "data/texture_upload.h"

#include <vector>

#include "data/mipmap_chain.h"
#include "gl/gl_state.h"
#include "gl/texture_coverage.h"

namespace {

std::vector<GLuint> madeTextures;

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
  const int channels = componentsOf(format);
  const std::vector<MipmapLevel> chain = mipmapChain(pixels, width, height, channels);
  if (chain.empty()) return 0;

  GLuint texture = 0;
  glGenTextures(1, &texture);
  if (texture == 0) return 0;
  bindTexture(texture);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  std::vector<TextureLevel> levels;
  for (std::size_t i = 0; i < chain.size(); ++i) {
    const MipmapLevel& level = chain[i];
    glTexImage2D(GL_TEXTURE_2D, GLint(i), components, level.width, level.height, 0, format,
                 GL_UNSIGNED_BYTE, level.texels.data());
    levels.push_back({level.width, level.height, level.texels.data(), channels});
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  recordTextureCoverage(texture, levels);
  madeTextures.push_back(texture);
  return texture;
}

void deleteUploadedTextures() {
  if (!madeTextures.empty()) glDeleteTextures(GLsizei(madeTextures.size()), madeTextures.data());
  madeTextures.clear();
}
