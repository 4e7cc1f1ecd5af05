#pragma once

#include <array>
#include <cstdint>

// The global OpenGL state every frame and scene object relies on: lights,
// the fixed 4:3 projection, additive blending, swap interval and gamma.
// Always returns true.
bool initGlState();

// 2D drawing on top of the scene, (0, 0) at the bottom left: a virtual
// 800 x 600 space, or window pixels (Width x Height). popOverlay ends either
// and leaves depth test and lighting on.
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
