#pragma once
// scene_start.h -- the scene's start-up on the test's context, as the hosts run it

#include <cstdint>

#include "host/settings.h"
#include "render/session.h"
#include "tests/support/gl_fixture.h"

// Starts the scene at the context's size with a fixed seed and no clock;
// the test restores the settings (RenderStateGuard).
inline void startTestScene(std::uint32_t seed) {
  settings.ShowClock = false;
  reshapeScene(kGlTestWidth, kGlTestHeight);
  startScene(&seed);
}
