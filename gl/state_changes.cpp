// state_changes.cpp -- OpenGL state changes made through the record, so that the renderer never asks
#include <cmath>

#include "gl/gl.h"
#include "gl/gl_state.h"

namespace {

void keepCap(std::uint32_t cap, bool on) {
  switch (cap) {
    case GL_LIGHTING: glState.lighting = on; break;
    case GL_TEXTURE_2D: glState.texturing = on; break;
    case GL_BLEND: glState.blending = on; break;
    case GL_DEPTH_TEST: glState.depthTest = on; break;
    default: break;
  }
}

void normalize(float v[3]) {
  const float r = float(std::sqrt(double(v[0] * v[0] + v[1] * v[1] + v[2] * v[2])));
  if (r == 0.0f) return;
  v[0] /= r;
  v[1] /= r;
  v[2] /= r;
}

void cross(const float a[3], const float b[3], float out[3]) {
  out[0] = a[1] * b[2] - a[2] * b[1];
  out[1] = a[2] * b[0] - a[0] * b[2];
  out[2] = a[0] * b[1] - a[1] * b[0];
}

}  // namespace

void enableCap(std::uint32_t cap) {
  glEnable(cap);
  keepCap(cap, true);
}

void disableCap(std::uint32_t cap) {
  glDisable(cap);
  keepCap(cap, false);
}

void blendFunc(std::uint32_t source, std::uint32_t destination) {
  glBlendFunc(source, destination);
  glState.blendSource = source;
  glState.blendDestination = destination;
}

void depthWrites(bool on) {
  glDepthMask(on ? GL_TRUE : GL_FALSE);
  glState.depthWrites = on;
}

void textureEnvMode(std::int32_t mode) {
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, mode);
  glState.textureEnvMode = mode;
}

void bindTexture(std::uint32_t texture) {
  glBindTexture(GL_TEXTURE_2D, texture);
  glState.boundTexture = texture;
}

void colour4f(float red, float green, float blue, float alpha) {
  glColor4f(red, green, blue, alpha);
  glState.colour[0] = red;
  glState.colour[1] = green;
  glState.colour[2] = blue;
  glState.colour[3] = alpha;
  glState.colourKnown = true;
}

void colour3f(float red, float green, float blue) { colour4f(red, green, blue, 1.0f); }

void forgetColour() { glState.colourKnown = false; }

void loadTextureIdentity() {
  glMatrixMode(GL_TEXTURE);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glState.textureMatrixIdentity = true;
}

void textureMatrixChanged() { glState.textureMatrixIdentity = false; }

void loadModelview(const Mat4& m) { glLoadMatrixf(m.data()); }

// As GLU composes it, in single precision, and as the driver then
// translates: the record holds what OpenGL holds.
void loadCameraView(const Vec3& eye, const Vec3& centre, const Vec3& up) {
  float f[3] = {float(double(centre.x) - double(eye.x)), float(double(centre.y) - double(eye.y)),
                float(double(centre.z) - double(eye.z))};
  float u[3] = {up.x, up.y, up.z}, s[3];
  normalize(f);
  cross(f, u, s);
  normalize(s);
  cross(s, f, u);
  Mat4& m = glState.cameraView;
  m = {{s[0], u[0], -f[0], 0, s[1], u[1], -f[1], 0, s[2], u[2], -f[2], 0, 0, 0, 0, 1}};
  const float x = -eye.x, y = -eye.y, z = -eye.z;
  for (int row = 0; row < 4; ++row)
    m[12 + row] = m[row] * x + m[4 + row] * y + m[8 + row] * z + m[12 + row];

  glLoadIdentity();
  gluLookAt(double(eye.x), double(eye.y), double(eye.z), double(centre.x), double(centre.y),
            double(centre.z), double(up.x), double(up.y), double(up.z));
}
