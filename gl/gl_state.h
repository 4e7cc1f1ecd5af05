#pragma once
// gl_state.h -- the global OpenGL state, the view drawn into, overlay brackets and gamma

#include <array>
#include <cstdint>

#include "math/mat4.h"
#include "math/vec3.h"

// The view being drawn: where it sits in the drawable, in pixels from the
// drawable's bottom-left corner, and its place among the views (0 first).
struct ViewRect {
  std::int32_t x = 0, y = 0;
  std::uint32_t width = 1024, height = 768;
};

// What the renderer has set, kept so that it never asks OpenGL: the view,
// the matrices it composes itself, and the state that decides what a
// textured quad can add to the picture. The functions below change OpenGL
// and the record together; the frame makes no other change to what is kept
// here. Untracked by name: fog, stencil, texture generation and polygon
// smoothing stay off, polygons filled, rendering to the screen.
struct GlState {
  ViewRect view;
  std::uint32_t viewIndex = 0;
  Mat4 projection = identityMatrix();  // the projection matrix now
  Mat4 cameraView = identityMatrix();  // the model-view each object's draw begins with
  bool lighting = false, texturing = false, blending = false, depthTest = false;
  bool depthWrites = true;
  std::uint32_t blendSource = 1, blendDestination = 0;  // GL_ONE, GL_ZERO
  std::int32_t textureEnvMode = 0x2100;                 // GL_MODULATE
  bool textureMatrixIdentity = true;
  float colour[4] = {1, 1, 1, 1};
  bool colourKnown = true;  // false after drawing that sets colours of its own
  std::uint32_t boundTexture = 0;
};
extern GlState glState;

// OpenGL's state changes, kept in the record as well (the capabilities
// other than the four it keeps pass straight through).
void enableCap(std::uint32_t cap);
void disableCap(std::uint32_t cap);
void blendFunc(std::uint32_t source, std::uint32_t destination);
void depthWrites(bool on);
void textureEnvMode(std::int32_t mode);
void bindTexture(std::uint32_t texture);
void colour4f(float red, float green, float blue, float alpha);
void colour3f(float red, float green, float blue);
// Drawing that set its own colours (vertex colours in a display list).
void forgetColour();
// The texture matrix: back to identity, or changed from it by the caller.
void loadTextureIdentity();
void textureMatrixChanged();

// Replaces the model-view matrix with `m`, for one object's own drawing.
void loadModelview(const Mat4& m);

// Replaces the model-view matrix with the look from `eye` towards `centre`
// (gluLookAt), kept as glState.cameraView.
void loadCameraView(const Vec3& eye, const Vec3& centre, const Vec3& up);

// The global OpenGL state every frame and scene object relies on: lights,
// the view's projection, additive blending, swap interval and gamma.
// Always returns true.
bool initGlState();

// Makes `rect` the view drawn into: its viewport and its projection.
void setView(const ViewRect& rect, std::uint32_t index);

// How much wider (x) or taller (y) the view is than a 4:3 picture of its
// height or width; the other is 1. A view of any shape shows all of the
// 4:3 picture, widened or heightened around it, never stretched.
struct ViewWidening {
  double x, y;
};
ViewWidening viewWidening();

// The view's pixels per unit of that 4:3 picture laid out 800 x 600.
float pictureScale();

// The frustum of things drawn around the eye (sky shells, sky sprites):
// near 1, far 1000, half height fov, until popEyeFrustum gives the
// projection back. The model-view matrix stays current.
void pushEyeFrustum(double fov);
void popEyeFrustum();

// 2D drawing on top of the view, (0, 0) at its bottom left. The 800 x 600
// space is fitted into the view without stretching, anchored at a corner
// or the centre (it reaches beyond 800 x 600 on the other sides); the
// pixel space is the view's own pixels.
// popOverlay ends either and leaves depth test and lighting on.
enum class OverlayAnchor { kTopLeft, kBottomRight, kCentre };
void pushOverlay800x600(OverlayAnchor anchor);
void pushOverlayPixels();
void popOverlay();

// The gamma exponent of the Gamma setting: 1.5 at 0, 1.0 at 50, 0.5 at 100.
float gammaExponent(std::uint32_t gamma);

// 3 x 256 ramp entries (red, green, blue): trunc(65536 * (i / 256)^e).
using GammaRamp = std::array<std::uint16_t, 768>;
GammaRamp gammaRampTable(float red, float green, float blue);

// Applies the ramp through the host; true when the display took it.
bool setGammaRamp(float red, float green, float blue);
