#pragma once

#include <cstdio>

#include "tools/render/render_options.h"

// The saver's start-up on the current OpenGL context, from the loading
// images to the first camera keys: a loading step redraws the loading
// screen, messages go to `err`. The seed is the option's, else the
// frame stopwatch's start count.
void startScene(const RenderOptions& options, std::FILE* err);

// Runs the saver's start-up on an off-screen OpenGL context (the loading
// screen drawn on every loading step), then renders the frames the options
// ask for, writing pictures and the bench line. Returns the exit status:
// 0, or 1 when there is no OpenGL context or a picture cannot be written.
int runScene(const RenderOptions& options, std::FILE* out, std::FILE* err);
