// gl_state.cpp -- the global OpenGL state, the drawable's size, overlay brackets and gamma
#include "gl/gl_state.h"

#include <cmath>

#include "gl/gl.h"
#include "host/host.h"
#include "host/settings.h"

DrawableSize drawableSize;

namespace {

void setViewport() { glViewport(0, 0, GLsizei(drawableSize.width), GLsizei(drawableSize.height)); }

void pushOverlay(double right, double top) {
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, right, 0, top, -1, 1);
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
    glEnable(cap);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  setViewport();
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);

  // A fixed 4:3 frustum whatever the window's shape; other modes stretch.
  const double s = 40.0;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glFrustum(-4.0 / 3.0 * s, 4.0 / 3.0 * s, -s, s, 2.0 * s, 5000000.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();

  // Light 0 stays configured for the kinds that switch it on themselves.
  glDisable(GL_LIGHT0);
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
  glDisable(GL_LIGHT2);

  if (!settings.DefGamma) {
    const float g = gammaExponent(settings.Gamma);
    setGammaRamp(g, g, g);
  }
  return true;
}

void pushOverlay800x600() { pushOverlay(800, 600); }

void pushOverlayPixels() { pushOverlay(double(drawableSize.width), double(drawableSize.height)); }

void popOverlay() {
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_LIGHTING);
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
