// textured_quad_bench.cpp -- a lens ring's quad drawn whole and by the cells its texture lights
// A lens ring's quad, 880 pixels a side and turned, drawn whole and as the
// cells its thin ring texture lights, on a headless 1024 x 768 context.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "bench/bench_context.h"
#include "data/texture_upload.h"
#include "gl/gl.h"
#include "gl/gl_state.h"
#include "gl/textured_quad.h"
#include "host/settings.h"

namespace {

// A thin ring at 0.82 of the radius, as the default scene's lens ring.
GLuint ringTexture() {
  static const GLuint texture = [] {
    const int size = 128;
    std::vector<unsigned char> rgba;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const float dx = (x + 0.5f) / size * 2 - 1, dy = (y + 0.5f) / size * 2 - 1;
        const float d = (std::sqrt(dx * dx + dy * dy) - 0.82f) * 16;
        const float v = 0.22f * std::exp(-d * d);
        const unsigned char b = v < 0.05f ? 0 : (unsigned char)std::lround(v * 255);
        rgba.insert(rgba.end(), {b, b, b, b});
      }
    return GLuint(uploadMipmappedTexture(4, size, size, GL_RGBA, rgba.data()));
  }();
  return texture;
}

void BM_LensRing(benchmark::State& state) {
  makeBenchContextCurrent();
  settings.Width = 1024;
  settings.Height = 768;
  skipDarkCells = state.range(0) != 0;
  const GLuint texture = ringTexture();
  enableCap(GL_TEXTURE_2D);
  enableCap(GL_BLEND);
  blendFunc(GL_SRC_ALPHA, GL_ONE);
  depthWrites(false);
  pushOverlayPixels();
  bindTexture(texture);
  colour4f(1.0f, 0.3f, 0.3f, 0.7f);
  const Mat4 placed = translationMatrix({512, 384, 0}) * rotationMatrix(30, {0, 0, 1});
  loadModelview(placed);
  const float h = 440;
  for (auto _ : state) {
    glClear(GL_COLOR_BUFFER_BIT);
    drawTexturedQuad({-h, -h, 0}, {h, -h, 0}, {-h, h, 0}, {h, h, 0}, QuadPrimitive::kQuadStrip,
                     placed);
    glFinish();
  }
  popOverlay();
  depthWrites(true);
  skipDarkCells = true;
}
BENCHMARK(BM_LensRing)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
