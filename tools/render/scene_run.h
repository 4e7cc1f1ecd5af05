#pragma once
// scene_run.h -- orbivane-render's run: an off-screen context, the scene, frames, pictures, timings

#include <cstdio>

#include "tools/render/render_options.h"

// Runs the saver's start-up on an off-screen OpenGL context (the loading
// screen drawn on every loading step), then renders the frames the options
// ask for, writing pictures and the bench line. Returns the exit status:
// 0, or 1 when there is no OpenGL context or a picture cannot be written.
int runScene(const RenderOptions& options, std::FILE* out, std::FILE* err);
