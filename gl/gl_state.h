#pragma once
// gl_state.h -- the global OpenGL state, the drawable's size, overlay brackets and gamma

#include <array>
#include <cstdint>

// The drawable's size in pixels, as the host last gave it to reshapeScene.
struct DrawableSize {
  std::uint32_t width = 1024;
  std::uint32_t height = 768;
};
extern DrawableSize drawableSize;

// The global OpenGL state every frame and scene object relies on: lights,
// the fixed 4:3 projection, additive blending, swap interval and gamma.
// Always returns true.
bool initGlState();

// 2D drawing on top of the scene, (0, 0) at the bottom left: a virtual
// 800 x 600 space, or the drawable's pixels. popOverlay ends either and
// leaves depth test and lighting on.
void pushOverlay800x600();
void pushOverlayPixels();
void popOverlay();

// The gamma exponent of the Gamma setting: 1.5 at 0, 1.0 at 50, 0.5 at 100.
float gammaExponent(std::uint32_t gamma);

// 3 x 256 ramp entries (red, green, blue): trunc(65536 * (i / 256)^e).
using GammaRamp = std::array<std::uint16_t, 768>;
GammaRamp gammaRampTable(float red, float green, float blue);

// Applies the ramp through the host; true when the display took it.
bool setGammaRamp(float red, float green, float blue);
