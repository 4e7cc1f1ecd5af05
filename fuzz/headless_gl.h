#pragma once
// headless_gl.h -- the fuzz targets' headless context and the clean-up of their GL names

#include <cstdint>

// The OpenGL side of the targets that load into a context: one small
// headless context with the saver's global state, made on first use, and
// the deletion of what one input made in it, so that a long campaign does
// not grow.
void makeFuzzContextCurrent();

// Marks the next display-list and texture names the context will hand out;
// going out of scope deletes every name handed out since.
class GlNamesSince {
 public:
  GlNamesSince();
  ~GlNamesSince();
  GlNamesSince(const GlNamesSince&) = delete;
  GlNamesSince& operator=(const GlNamesSince&) = delete;

 private:
  std::uint32_t firstList_;
  std::uint32_t firstTexture_;
};
