#pragma once
// texture_upload.h -- decoded pixels uploaded as mipmapped OpenGL textures

#include <cstdint>

#include "gl/gl.h"

// Images larger than this many pixels are refused before anything is
// allocated: a few header bytes must not make us ask for gigabytes.
constexpr std::uint64_t kMaxImagePixels = std::uint64_t(1) << 26;  // 8192 x 8192

// The longest side of a texture the current context takes
// (GL_MAX_TEXTURE_SIZE; OpenGL promises at least 64). Decoders fit images
// to it before they decode them whole.
std::uint32_t maxTextureSide();

// Makes a new 2D texture from tightly packed rows (format GL_RGBA, GL_RGB
// or GL_LUMINANCE) with the full mipmap chain of data/mipmap_chain.h, each
// level uploaded (unpack alignment 1), filtered trilinear when minified and
// linear when magnified; records where it can add light from the same
// levels (gl/texture_coverage.h) and leaves it bound. Returns 0, making no
// texture, when the image is empty.
std::uint32_t uploadMipmappedTexture(GLint components, int width, int height, GLenum format,
                                     const unsigned char* pixels);

// Deletes every texture made by uploadMipmappedTexture since the last call
// (the current context's).
void deleteUploadedTextures();
