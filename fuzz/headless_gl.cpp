// headless_gl.cpp -- the fuzz targets' headless context and the clean-up of their GL names
#include "fuzz/headless_gl.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "gl/gl.h"
#include "gl/gl_state.h"
#include "host/settings.h"
#include "hostkit/egl_context.h"

namespace {

constexpr int kWidth = 64, kHeight = 48;

// The next name the context hands out, given back at once.
GLuint nextListName() {
  const GLuint name = glGenLists(1);
  glDeleteLists(name, 1);
  return name;
}

GLuint nextTextureName() {
  GLuint name = 0;
  glGenTextures(1, &name);
  glDeleteTextures(1, &name);
  return name;
}

}  // namespace

void makeFuzzContextCurrent() {
  static EglContext context;
  static bool ready = false;
  if (ready) return;
  const char* error = nullptr;
  if (!context.create(kWidth, kHeight, &error)) {
    std::fprintf(stderr, "fuzz: %s\n", error);
    std::abort();
  }
  setView({0, 0, kWidth, kHeight}, 0);
  initGlState();
  ready = true;
}

GlNamesSince::GlNamesSince() : firstList_(nextListName()), firstTexture_(nextTextureName()) {}

GlNamesSince::~GlNamesSince() {
  const GLuint endList = nextListName();
  if (endList > firstList_) glDeleteLists(firstList_, GLsizei(endList - firstList_));
  const GLuint endTexture = nextTextureName();
  std::vector<GLuint> textures;
  for (GLuint name = firstTexture_; name < endTexture; ++name) textures.push_back(name);
  if (!textures.empty()) glDeleteTextures(GLsizei(textures.size()), textures.data());
}
