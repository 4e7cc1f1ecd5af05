// particles_bench.cpp -- frame costs of particle systems in each mode
// Frame costs of particle systems: one update, and one draw, of a system of
// 2000 particles in each mode, drawn on a headless context.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/bench_context.h"
#include "camera/camera_director.h"
#include "gl/gl.h"
#include "math/random.h"
#include "scene/particle_system.h"

namespace {

constexpr int kParticles = 2000;

std::unique_ptr<ParticleSystem> makeSystem(ParticleMode mode) {
  seedRandom(1);
  auto system = std::make_unique<ParticleSystem>();
  system->mode = mode;
  system->size = 300;
  system->point1 = Vec3(0, 0, -20000);
  system->setDensity(kParticles);
  system->update(0.02);  // past the first emission, burst or tick
  return system;
}

void BM_ParticleUpdate(benchmark::State& state) {
  const std::unique_ptr<ParticleSystem> system = makeSystem(ParticleMode(state.range(0)));
  for (auto _ : state) {
    // A Circ burst or a new bolt every few frames is part of the cost.
    system->update(0.016);
    benchmark::DoNotOptimize(system->positions.data());
  }
  state.SetItemsProcessed(std::int64_t(state.iterations()) * kParticles);
}

void BM_ParticleDraw(benchmark::State& state) {
  makeBenchContextCurrent();
  glViewport(0, 0, 640, 480);
  const std::unique_ptr<ParticleSystem> system = makeSystem(ParticleMode(state.range(0)));
  CameraDirector camera;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glFrustum(-4.0 / 3 * 40, 4.0 / 3 * 40, -40, 40, 80, 5000000);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnable(GL_BLEND);
  for (auto _ : state) {
    system->draw(camera);
    glFinish();
  }
  state.SetItemsProcessed(std::int64_t(state.iterations()) * kParticles);
}

void modes(benchmark::internal::Benchmark* b) {
  b->ArgName("mode");
  for (ParticleMode mode : {ParticleMode::Line, ParticleMode::Circ, ParticleMode::Flash})
    b->Arg(int(mode));
}

BENCHMARK(BM_ParticleUpdate)->Apply(modes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParticleDraw)->Apply(modes)->Unit(benchmark::kMillisecond);

}  // namespace
