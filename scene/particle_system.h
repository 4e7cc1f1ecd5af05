#pragma once
// particle_system.h -- the particle-system kind: streams, bursts and lightning bolts

#include <cstdint>
#include <vector>

#include "scene/scene_object.h"

enum class ParticleMode { None = 0, Flash = 2, Line = 3, Circ = 4 };

// Additively blended sprites in one of three behaviours: a bending stream
// (Line), bursts on a sphere (Circ) or a jagged bolt with a sweeping bright
// band (Flash). Particle positions are relative to `position`; the bolt's
// direction, `rot`, lives in the base field yAxis.
class ParticleSystem : public SceneObject {
 public:
  // All systems alive together hold at most this many particles, so that no
  // "dens" line makes loading or a frame cost more than drawing them: 3 ms
  // as streams, 11 ms as bursts, 70 ms as a bolt on the software renderer
  // (bench/particles_bench.cpp). A density beyond what is left is cut to it.
  static constexpr std::int32_t kMaxParticles = 2000;

  std::vector<Vec3> positions;
  std::vector<Vec3> velocities;
  std::vector<Vec3> accelerations;
  std::vector<float> ages;       // seconds since emission (Line)
  std::vector<float> lifetimes;  // seconds a particle lives (Line)
  float size = 2;                // burst sphere radius (Circ)
  float spin;                    // Flash angle accumulator
  std::int32_t count = 0;
  ParticleMode mode = ParticleMode::None;
  float period = 0;  // seconds between bursts (Circ) or sweep ticks (Flash)
  float timer = 0;   // seconds since the last burst or tick
  std::int32_t boltStep = 0;  // where the bright band sits on the bolt
  Vec3 point1{0, 0, 0};       // centre of the burst and bolt spheres
  Vec3 point2{0, 0, 0};       // read, not used

  ParticleSystem();
  ~ParticleSystem() override;
  ParticleSystem(const ParticleSystem&) = delete;
  ParticleSystem& operator=(const ParticleSystem&) = delete;

  // Allocates the particle arrays and seeds them around `position`, within
  // what the other systems leave of kMaxParticles. A negative count is
  // rejected (no particles).
  void setDensity(std::int32_t n);

  // Particles held by all systems alive.
  static std::int32_t particlesInUse();

  void draw(CameraDirector& camera) override;
  void update(double elapsedSeconds) override;

  // The block frame (scene/parse_block.h): every keyword a line begins
  // with; the particles are made once, for the last "dens" line, when the
  // block ends, so a block of many such lines costs no more than one.
  void parseLine(const BlockReader& block, const ObjectList& list);
  void endBlock(const BlockReader& block);

 private:
  bool densityGiven_ = false;
  std::int32_t density_ = 0;
  long long densityAsked_ = 0;  // as written, for messages
  unsigned timeLine_ = 0;       // of the last "time" line, for messages

  void startBurst();
  void sweepTick(float dt);
  void drawCameraFacing(const float* view);
  void drawBolt();
};
