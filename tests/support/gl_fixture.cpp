#include "tests/support/gl_fixture.h"

#include <cstdio>
#include <cstdlib>

#include "gl/gl_state.h"
#include "hostkit/egl_context.h"

namespace {

EglContext& sharedContext() {
  static EglContext context;
  static bool ready = false;
  if (!ready) {
    const char* error = nullptr;
    if (!context.create(kGlTestWidth, kGlTestHeight, &error)) {
      std::fprintf(stderr, "gl_tests: %s\n", error);
      std::abort();
    }
    ready = true;
  }
  return context;
}

}  // namespace

void GlTest::SetUp() {
  sharedContext();
  const GLenum caps[] = {GL_ALPHA_TEST, GL_DEPTH_TEST, GL_LIGHTING, GL_LIGHT0, GL_LIGHT1,
                         GL_LIGHT2, GL_BLEND, GL_TEXTURE_2D, GL_NORMALIZE, GL_CULL_FACE,
                         GL_COLOR_MATERIAL, GL_FOG, GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T};
  for (GLenum cap : caps) glDisable(cap);
  glDepthMask(GL_TRUE);
  glCullFace(GL_BACK);
  glBlendFunc(GL_ONE, GL_ZERO);
  glAlphaFunc(GL_ALWAYS, 0);
  glColor4f(1, 1, 1, 1);
  glBindTexture(GL_TEXTURE_2D, 0);
  glViewport(0, 0, kGlTestWidth, kGlTestHeight);
  for (GLenum mode : {GL_TEXTURE, GL_PROJECTION, GL_MODELVIEW}) {
    glMatrixMode(mode);
    glLoadIdentity();
  }
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glState = GlState{};  // what the reset left, as the renderer keeps it
  glState.view = {0, 0, kGlTestWidth, kGlTestHeight};
  glClearColor(0, 0, 0, 1);
  glClearDepth(1.0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  while (glGetError() != GL_NO_ERROR) {
  }
}

void setProjection(const Mat4& projection) {
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixf(projection.data());
  glMatrixMode(GL_MODELVIEW);
  glState.projection = projection;
}

Pixel readPixel(int x, int y) {
  unsigned char p[4] = {};
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
  return {p[0], p[1], p[2], p[3]};
}

float readDepth(int x, int y) {
  float d = -1;
  glReadPixels(x, y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &d);
  return d;
}
