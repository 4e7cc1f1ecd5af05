#pragma once
// camera_dump.h -- orbivane-render --camera: the flight's camera poses, one line a frame

#include <cstdio>

#include "tools/render/render_options.h"

// Flies the camera for options.frames frames and prints one line a frame.
void printCameraFlight(const RenderOptions& options, std::FILE* out);
