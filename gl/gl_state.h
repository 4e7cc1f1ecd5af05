#pragma once
// gl_state.h -- the global OpenGL state, the view drawn into, overlay brackets and gamma

#include <array>
#include <cstdint>

// The view being drawn: where it sits in the drawable, in pixels from the
// drawable's bottom-left corner, and its place among the views (0 first).
struct ViewRect {
  std::int32_t x = 0, y = 0;
  std::uint32_t width = 1024, height = 768;
};

// What the renderer has set and so never asks OpenGL for.
struct GlState {
  ViewRect view;
  std::uint32_t viewIndex = 0;
};
extern GlState glState;

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

// Replaces the current matrix with the frustum of things drawn around the
// eye (sky shells, sky sprites): near 1, far 1000, half height fov.
void loadEyeFrustum(double fov);

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
