#include <gtest/gtest.h>

#include <cmath>

#include "math/random.h"
#include "scene/parsers.h"
#include "scene/particle_system.h"
#include "tests/support/scene_blocks.h"

namespace {

class ParticleSystemTest : public ::testing::Test {
 protected:
  ParticleSystem* parse(const std::string& text) {
    return parseText<ParticleSystem>(objects, text);
  }

  ObjectList objects;
};

void expectVec(const Vec3& actual, const Vec3& expected, float tolerance = 1e-3f) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST_F(ParticleSystemTest, DensityLineAllocatesResetsTheTimeAndRejectsBadCounts) {
  ParticleSystem* lost = parse("begin\ntime 5\ndens 3\nend\n");
  EXPECT_EQ(lost->period, 0.0f);
  EXPECT_EQ(lost->count, 3);
  EXPECT_EQ(lost->lifetimes.size(), 3u);
  EXPECT_EQ(parse("begin\ndens 3\ntime 5\nend\n")->period, 5.0f);

  ParticleSystem* twice = parse("begin\ndens 4\ndens 2\nend\n");
  EXPECT_EQ(twice->count, 2);
  EXPECT_EQ(twice->positions.size(), 2u);

  ParticleSystem* negative = parse("begin\ndens 3\ndens -5\nline\nend\n");
  EXPECT_EQ(negative->count, 0);
  EXPECT_TRUE(negative->positions.empty());
  negative->update(0.5);

  ParticleSystem* missing = parse("begin\ndens\ncirc\nend\n");
  EXPECT_EQ(missing->count, 0);
  missing->update(0.5);
}

TEST_F(ParticleSystemTest, AllSystemsTogetherHoldAtMostTheBudget) {
  const std::int32_t before = ParticleSystem::particlesInUse();
  ParticleSystem* greedy = parse("begin\ndens 99999999999999\nend\n");
  EXPECT_EQ(greedy->count, ParticleSystem::kMaxParticles - before);
  ParticleSystem* starved = parse("begin\ncirc\ndens 10\nend\n");
  EXPECT_EQ(starved->count, 0);
  EXPECT_TRUE(starved->positions.empty());
  starved->update(5.0);  // a burst of nothing

  objects.deleteAll();  // the greedy system gives its particles back
  EXPECT_EQ(ParticleSystem::particlesInUse(), before);
  EXPECT_EQ(parse("begin\ndens 10\nend\n")->count, 10);
}

TEST_F(ParticleSystemTest, ManyDensityLinesSeedParticlesOnceForTheLast) {
  seedRandom(9);
  rand01();  // the constructor's spin
  for (int i = 0; i < 2; ++i) {
    randomUnitVector();
    rand01();
  }
  const float next = rand01();
  seedRandom(9);
  ParticleSystem* system = parse("begin\ndens 5000\ndens 5000\ndens 2\nend\n");
  EXPECT_EQ(system->count, 2);
  EXPECT_FLOAT_EQ(rand01(), next);
}

TEST_F(ParticleSystemTest, SeedsParticlesAroundThePositionInDrawOrder) {
  seedRandom(5);
  const float spin = rand01() * 360;
  Vec3 expected[2];
  float ages[2];
  for (int i = 0; i < 2; ++i) {
    expected[i] = randomUnitVector() * 250.0f;
    ages[i] = rand01() * 25;
  }
  seedRandom(5);
  ParticleSystem* system = parse("begin\ndens 2\nend\n");
  EXPECT_FLOAT_EQ(system->spin, spin);
  for (int i = 0; i < 2; ++i) {
    expectVec(system->positions[i], expected[i]);
    EXPECT_FLOAT_EQ(system->ages[i], ages[i]);
    expectVec(system->velocities[i], Vec3(0, 0, -1000));
  }
}

TEST_F(ParticleSystemTest, LineParticlesMovePositionFirstAndAreReemittedOnlyPastTheirLifetime) {
  ParticleSystem* stream = parse("begin\nline\ndens 2\nend\n");
  seedRandom(11);
  float draws[2][4];
  for (auto& particle : draws)
    for (float& d : particle) d = rand01();
  seedRandom(11);
  stream->update(0.01);  // lifetimes start at 0: everything is re-emitted
  for (int i = 0; i < 2; ++i) {
    const float vz = -2400 - draws[i][0] * 17100;
    const float s = std::fabs(vz) * 0.57f;
    expectVec(stream->positions[i], Vec3(0, 0, 0));
    expectVec(stream->velocities[i], Vec3(0, 0, vz));
    expectVec(stream->accelerations[i], Vec3((draws[i][2] + 1) * s, draws[i][1] * s, 0), 0.05f);
    EXPECT_FLOAT_EQ(stream->lifetimes[i], draws[i][3] * 2 + 1);
    EXPECT_EQ(stream->ages[i], 0.0f);
  }
  EXPECT_EQ(stream->timer, 0.0f);

  stream->velocities[0] = Vec3(0, 0, -1000);
  stream->accelerations[0] = Vec3(0, 0, 100);
  stream->lifetimes[0] = 0.5f;
  stream->update(0.25);
  stream->update(0.25);
  EXPECT_EQ(stream->ages[0], 0.5f);  // equal is not yet past
  EXPECT_FLOAT_EQ(stream->positions[0].z, -1000 * 0.25f + -975 * 0.25f);
  EXPECT_FLOAT_EQ(stream->velocities[0].z, -950);
  stream->update(0.001);
  EXPECT_EQ(stream->ages[0], 0.0f);
  expectVec(stream->positions[0], Vec3(0, 0, 0));
}

TEST_F(ParticleSystemTest, CircBurstsOnlyWhenTheTimerPassesThePeriod) {
  ParticleSystem* bursts = parse("begin\ncirc\nsize 100\npoint1 V(10 20 30)\ndens 3\nend\n");
  bursts->update(0.0);  // timer 0 is not past period 0
  expectVec(bursts->position, Vec3(0, 0, 0));

  seedRandom(3);
  const float period = rand01() + 2;
  const Vec3 e = randomUnitVector();
  seedRandom(3);
  bursts->update(0.001);
  EXPECT_FLOAT_EQ(bursts->period, period);
  EXPECT_EQ(bursts->timer, 0.0f);
  expectVec(bursts->position, Vec3(10, 20, 30) + e * 100.0f);
  for (int i = 0; i < 3; ++i) {
    const Vec3 pull = bursts->accelerations[i];
    EXPECT_NEAR(length(pull + e * length(pull)), 0, 1e-2f);  // straight back towards the centre
    EXPECT_GE(length(pull), 250 - 1e-3f);
    EXPECT_LE(length(pull), 300 + 1e-3f);
    EXPECT_LE(length(bursts->positions[i]), 200.01f);
  }

  const Vec3 burstAt = bursts->position;
  bursts->update(1.0);
  expectVec(bursts->position, burstAt);
  EXPECT_FLOAT_EQ(bursts->timer, 1.0f);
}

TEST_F(ParticleSystemTest, FlashLaysOutABoltAfterTwiceCountPlusOneTicks) {
  seedRandom(1);
  ParticleSystem* bolt = parse("begin\nflash\npoint1 V(5 0 0)\ndens 2\nend\n");
  for (int tick = 1; tick <= 4; ++tick) {
    bolt->update(0.1);  // each longer than any sweep period
    EXPECT_EQ(bolt->boltStep, tick);
    expectVec(bolt->position, Vec3(0, 0, 0));
  }
  bolt->update(0.1);
  EXPECT_EQ(bolt->boltStep, -2);
  EXPECT_EQ(bolt->spin, 0.0f);
  EXPECT_NEAR(length(bolt->position - Vec3(5, 0, 0)), 16100, 0.1f);
  const Vec3 rot = bolt->yAxis;
  EXPECT_NEAR(length(rot), 1, 1e-5f);
  const Vec3 link = bolt->positions[1] - bolt->positions[0];
  EXPECT_NEAR(length(link), 100.8f * length(cross(rot, Vec3(0, 1, 0))), 1e-2f);
  EXPECT_NEAR(dot(link, rot), 0, 1e-2f);  // the chain lies across the bolt's direction

  for (int tick = 0; tick < 6; ++tick) bolt->update(0.1);
  EXPECT_EQ(bolt->boltStep, 4);
  bolt->update(0.1);
  EXPECT_EQ(bolt->boltStep, -2);
}

TEST_F(ParticleSystemTest, SystemWithoutAModeStandsStill) {
  ParticleSystem* idle = parse("begin\ndens 3\nend\n");
  const Vec3 before = idle->positions[1];
  idle->update(1.0);
  expectVec(idle->positions[1], before);
  EXPECT_EQ(idle->timer, 0.0f);
}

}  // namespace
