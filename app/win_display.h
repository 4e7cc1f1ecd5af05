#pragma once
// win_display.h -- the display side of the saver run: display mode, pixel format, gamma ramp

#include <windows.h>

#include <cstdint>

// The display side of the saver run on Windows.

// Switches to Width x Height x Depth (full-screen, temporary) and hides the
// pointer; restoreDisplayMode goes back to the mode in the registry.
void setDisplayMode();
void restoreDisplayMode();

// A double-buffered RGBA format with 32 colour, 24 depth and 8 stencil bits
// on the window's device context; format 1 when none is offered.
bool setPixelFormat(HDC dc);

// Gamma ramps go to this device context. The ramp the device had before the
// first change is kept and given back by restoreDeviceGamma.
void setGammaDevice(HDC dc);
bool applyDeviceGammaRamp(const std::uint16_t* ramp);
void restoreDeviceGamma();
