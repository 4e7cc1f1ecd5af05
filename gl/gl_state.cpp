// gl_state.cpp -- the global OpenGL state, the view drawn into, overlay brackets and gamma
#include "gl/gl_state.h"

#include <cmath>
#include <vector>

#include "gl/gl.h"
#include "host/host.h"
#include "host/settings.h"

GlState glState;

namespace {

// The projections that push brackets put aside, for their pops.
std::vector<Mat4> savedProjections;

// glFrustum and glOrtho on a fresh projection matrix, kept in the record.
void loadFrustum(double left, double right, double bottom, double top, double zNear, double zFar) {
  glLoadIdentity();
  glFrustum(left, right, bottom, top, zNear, zFar);
  glState.projection = frustumMatrix(float(left), float(right), float(bottom), float(top),
                                     float(zNear), float(zFar));
}

void loadOrtho(double left, double right, double bottom, double top) {
  glLoadIdentity();
  glOrtho(left, right, bottom, top, -1, 1);
  glState.projection = orthoMatrix(float(left), float(right), float(bottom), float(top), -1, 1);
}

void pushProjection() {
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  savedProjections.push_back(glState.projection);
}

void popProjection() {
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  if (!savedProjections.empty()) {
    glState.projection = savedProjections.back();
    savedProjections.pop_back();
  }
}

void setViewport() {
  const ViewRect& v = glState.view;
  glViewport(v.x, v.y, GLsizei(v.width), GLsizei(v.height));
}

// The scene's frustum: near 80, the vertical field of view about 53 degrees
// at 4:3 and wider, the horizontal one kept on narrower views.
void loadSceneProjection() {
  const double s = 40.0;
  const ViewWidening widen = viewWidening();
  glMatrixMode(GL_PROJECTION);
  loadFrustum(-4.0 / 3.0 * s * widen.x, 4.0 / 3.0 * s * widen.x, -s * widen.y, s * widen.y, 2.0 * s,
              5000000.0);
  glMatrixMode(GL_MODELVIEW);
}

bool atLeast4To3(const ViewRect& v) {
  return std::uint64_t(v.width) * 3 >= std::uint64_t(v.height) * 4;
}

void pushOverlay(double left, double right, double bottom, double top) {
  disableCap(GL_DEPTH_TEST);
  disableCap(GL_LIGHTING);
  pushProjection();
  loadOrtho(left, right, bottom, top);
  setViewport();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
}

// Exponents from 0.5 to 1.5 keep every entry below 65536; anything else
// (a stored Gamma beyond 100) is held inside the entry's range.
std::uint16_t rampEntry(double value) {
  if (!(value > 0.0)) return 0;
  if (value >= 65535.0) return 65535;
  return std::uint16_t(value);
}

}  // namespace

bool initGlState() {
  for (GLenum cap : {GL_ALPHA_TEST, GL_DEPTH_TEST, GL_LIGHTING, GL_LIGHT0, GL_LIGHT1, GL_BLEND,
                     GL_TEXTURE_2D, GL_NORMALIZE})
    enableCap(cap);
  blendFunc(GL_SRC_ALPHA, GL_ONE);
  // What the record holds from here on, whatever the context held before.
  depthWrites(true);
  textureEnvMode(GL_MODULATE);
  loadTextureIdentity();
  colour4f(1, 1, 1, 1);
  savedProjections.clear();
  setViewport();
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  loadSceneProjection();
  glLoadIdentity();

  // Light 0 stays configured for the kinds that switch it on themselves.
  disableCap(GL_LIGHT0);
  const GLfloat black[] = {0, 0, 0, 0};
  glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
  glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0);
  glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, GL_SEPARATE_SPECULAR_COLOR);
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);

  const GLfloat light1Position[] = {0, 0, 9100, 1};
  const GLfloat white[] = {1, 1, 1, 1};
  glLightfv(GL_LIGHT1, GL_POSITION, light1Position);
  glLightfv(GL_LIGHT1, GL_DIFFUSE, white);
  glLightfv(GL_LIGHT1, GL_SPECULAR, white);

  const GLfloat light0Specular[] = {0, 0, 0, 1};
  const GLfloat light0Diffuse[] = {0.3f, 0.3f, 0.3f, 1};
  glLightfv(GL_LIGHT0, GL_SPECULAR, light0Specular);
  glLightfv(GL_LIGHT0, GL_DIFFUSE, light0Diffuse);
  glLightf(GL_LIGHT0, GL_SPOT_EXPONENT, 3);
  glLightf(GL_LIGHT0, GL_SPOT_CUTOFF, 60);

  glLightf(GL_LIGHT2, GL_LINEAR_ATTENUATION, 0.006f);

  host().setSwapInterval(settings.VSync ? 1 : 0);

  glClearColor(0, 0, 0, 1);
  glLineWidth(1);
  disableCap(GL_LIGHT2);

  if (!settings.DefGamma) {
    const float g = gammaExponent(settings.Gamma);
    setGammaRamp(g, g, g);
  }
  return true;
}

void setView(const ViewRect& rect, std::uint32_t index) {
  glState.view = rect;
  glState.viewIndex = index;
  setViewport();
  loadSceneProjection();
}

ViewWidening viewWidening() {
  const ViewRect& v = glState.view;
  if (v.width == 0 || v.height == 0) return {1, 1};
  const double widen = double(v.width) / double(v.height) / (4.0 / 3.0);
  return widen >= 1 ? ViewWidening{widen, 1} : ViewWidening{1, 1 / widen};
}

float pictureScale() {
  const ViewRect& v = glState.view;
  return atLeast4To3(v) ? float(v.height) / 600.0f : float(v.width) / 800.0f;
}

void pushEyeFrustum(double fov) {
  const ViewWidening widen = viewWidening();
  pushProjection();
  loadFrustum(-1.3333334 * fov * widen.x, 1.3333334 * fov * widen.x, -fov * widen.y,
              fov * widen.y, 1.0, 1000.0);
  glMatrixMode(GL_MODELVIEW);
}

void popEyeFrustum() {
  popProjection();
  glMatrixMode(GL_MODELVIEW);
}

void pushOverlay800x600(OverlayAnchor anchor) {
  const ViewWidening widen = viewWidening();
  const double width = 800 * widen.x, height = 600 * widen.y;
  double left = 0, bottom = 0;
  switch (anchor) {
    case OverlayAnchor::kTopLeft: bottom = 600 - height; break;
    case OverlayAnchor::kBottomRight: left = 800 - width; break;
    case OverlayAnchor::kCentre:
      left = 400 - width / 2;
      bottom = 300 - height / 2;
      break;
  }
  pushOverlay(left, left + width, bottom, bottom + height);
}

void pushOverlayPixels() { pushOverlay(0, glState.view.width, 0, glState.view.height); }

void popOverlay() {
  glPopMatrix();
  popProjection();
  glMatrixMode(GL_MODELVIEW);
  enableCap(GL_DEPTH_TEST);
  enableCap(GL_LIGHTING);
}

float gammaExponent(std::uint32_t gamma) {
  return 1.0f - ((float(gamma) - 50.0f) / 50.0f) * 0.5f;
}

GammaRamp gammaRampTable(float red, float green, float blue) {
  GammaRamp ramp{};
  const float exponents[3] = {red, green, blue};
  for (int channel = 0; channel < 3; ++channel) {
    for (int i = 0; i < 256; ++i) {
      const double value = 65536.0 * std::pow(double(i) / 256.0, double(exponents[channel]));
      ramp[std::size_t(channel * 256 + i)] = rampEntry(value);
    }
  }
  return ramp;
}

bool setGammaRamp(float red, float green, float blue) {
  const GammaRamp ramp = gammaRampTable(red, green, blue);
  return host().applyGammaRamp(ramp.data());
}
