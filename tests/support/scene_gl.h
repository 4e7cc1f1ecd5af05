#pragma once

// What the scene-object drawing tests share: the state a frame sets before
// the objects draw, a camera looking along -z, a plain texture in the
// catalogue, and a look at the state a draw leaves.
#include <cstring>
#include <string>
#include <vector>

#include "camera/camera_director.h"
#include "data/texture_catalogue.h"
#include "gl/gl.h"
#include "gl/gl_state.h"
#include "tests/support/gl_fixture.h"
#include "tests/support/scene_blocks.h"

// The camera at `eye` looking along forward, the projection 45 degrees high.
inline void setFrameView(CameraDirector& camera, const Vec3& eye, const Vec3& forward,
                         const Vec3& up) {
  camera.eye = eye;
  camera.position = eye;
  camera.forward = forward;
  camera.up = up;
  // 45 degrees high: half height tan(22.5 degrees) at distance 1.
  const float top = 0.41421357f, right = top * kGlTestWidth / kGlTestHeight;
  setProjection(frustumMatrix(-right, right, -top, top, 1.0f, 1000.0f));
  loadCameraView(eye, eye + forward, up);
}

// Lit from the viewer, depth tested, additive blending, texturing on.
inline void setFrameState() {
  for (GLenum cap : {GL_LIGHTING, GL_LIGHT0, GL_DEPTH_TEST, GL_BLEND, GL_TEXTURE_2D, GL_NORMALIZE})
    enableCap(cap);
  blendFunc(GL_SRC_ALPHA, GL_ONE);
}

// A 2 x 2 texture of one colour, in the catalogue under `path`; the
// catalogue is emptied when it goes.
class CatalogueTexture {
 public:
  CatalogueTexture(const char* path, unsigned char r, unsigned char g, unsigned char b,
                   unsigned char a = 255) {
    glGenTextures(1, &name_);
    glBindTexture(GL_TEXTURE_2D, name_);
    const std::vector<unsigned char> texels = {r, g, b, a, r, g, b, a, r, g, b, a, r, g, b, a};
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    addCatalogueEntry(path, name_);
  }
  ~CatalogueTexture() {
    textureCatalogue.deleteAll();
    glDeleteTextures(1, &name_);
  }
  CatalogueTexture(const CatalogueTexture&) = delete;
  CatalogueTexture& operator=(const CatalogueTexture&) = delete;
  GLuint name() const { return name_; }

 private:
  GLuint name_ = 0;
};

inline bool isEnabled(GLenum cap) { return glIsEnabled(cap) == GL_TRUE; }

inline GLint glInteger(GLenum name) {
  GLint value = 0;
  glGetIntegerv(name, &value);
  return value;
}

inline GLint textureEnvMode() {
  GLint mode = 0;
  glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
  return mode;
}

inline bool depthWritesOn() {
  GLboolean mask = GL_FALSE;
  glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
  return mask == GL_TRUE;
}

inline bool textureMatrixIsIdentity() {
  GLfloat m[16];
  glGetFloatv(GL_TEXTURE_MATRIX, m);
  for (int i = 0; i < 16; ++i)
    if (m[i] != (i % 5 == 0 ? 1.0f : 0.0f)) return false;
  return true;
}

// The matrix stacks and their top matrices, to compare before and after a draw.
struct MatrixStacks {
  GLint modelviewDepth, projectionDepth, textureDepth, mode;
  GLfloat modelview[16], projection[16];

  static MatrixStacks now() {
    MatrixStacks s;
    s.modelviewDepth = glInteger(GL_MODELVIEW_STACK_DEPTH);
    s.projectionDepth = glInteger(GL_PROJECTION_STACK_DEPTH);
    s.textureDepth = glInteger(GL_TEXTURE_STACK_DEPTH);
    s.mode = glInteger(GL_MATRIX_MODE);
    glGetFloatv(GL_MODELVIEW_MATRIX, s.modelview);
    glGetFloatv(GL_PROJECTION_MATRIX, s.projection);
    return s;
  }
  bool operator==(const MatrixStacks& o) const {
    return modelviewDepth == o.modelviewDepth && projectionDepth == o.projectionDepth &&
           textureDepth == o.textureDepth && mode == o.mode &&
           std::memcmp(modelview, o.modelview, sizeof modelview) == 0 &&
           std::memcmp(projection, o.projection, sizeof projection) == 0;
  }
};

inline void expectAdditiveBlend() {
  EXPECT_EQ(glInteger(GL_BLEND_SRC), GL_SRC_ALPHA);
  EXPECT_EQ(glInteger(GL_BLEND_DST), GL_ONE);
}
