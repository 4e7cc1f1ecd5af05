#pragma once

#include <cstdio>

#include "tools/render/render_options.h"

// Flies the camera for options.frames frames and prints one line a frame.
void printCameraFlight(const RenderOptions& options, std::FILE* out);
