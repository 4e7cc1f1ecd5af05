#pragma once

#include <cstdio>
#include <string>

#include "tests/support/gl_fixture.h"
#include "tools/render/scene_run.h"

// Runs the saver's start-up on the test's context at its size, with a fixed
// seed, its messages going to the file `logPath`.
inline void startTestScene(unsigned seed, const std::string& logPath) {
  RenderOptions options;
  options.width = kGlTestWidth;
  options.height = kGlTestHeight;
  options.seed = seed;
  options.seedGiven = true;
  std::FILE* log = std::fopen(logPath.c_str(), "w");
  startScene(options, log);
  std::fclose(log);
}
