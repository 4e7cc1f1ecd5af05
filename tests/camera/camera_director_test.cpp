#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "camera/camera_director.h"
#include "math/random.h"

namespace {

float angleBetween(const Vec3& a, const Vec3& b) {
  const float c = dot(normalized(a), normalized(b));
  return std::acos(std::fmax(-1.0f, std::fmin(1.0f, c))) * 180.0f / 3.14159265f;
}

CameraDirector startedFlight(std::uint32_t seed) {
  seedRandom(seed);
  CameraDirector camera;
  camera.startFlight();
  return camera;
}

}  // namespace

TEST(CameraDirector, StartsFromRestNinetyThousandUnitsOutLookingAtTheOrigin) {
  for (std::uint32_t seed : {1u, 2u, 77u, 31337u}) {
    CameraDirector camera = startedFlight(seed);
    EXPECT_NEAR(length(camera.track.previous.position), 90000.0f, 1.0f);
    camera.advance(0.001);
    const Vec3 first = camera.eye;
    EXPECT_NEAR(length(first), 90000.0f, 5.0f);
    EXPECT_GT(dot(camera.forward, normalized(-first)), 0.9999f);
    camera.advance(0.001);
    EXPECT_LT(length(camera.eye - first), 0.5f);  // zero gradient at the first key
    EXPECT_NEAR(length(camera.forward), 1.0f, 1e-4f);
    EXPECT_NEAR(dot(camera.forward, camera.up), 0.0f, 1e-4f);
  }
}

TEST(CameraDirector, AdvanceZeroRecomputesTheSameCamera) {
  CameraDirector camera = startedFlight(5);
  camera.advance(3.7);
  const Vec3 eye = camera.eye, forward = camera.forward, up = camera.up;
  camera.advance(0);
  EXPECT_EQ(camera.eye.x, eye.x);
  EXPECT_EQ(camera.forward.y, forward.y);
  EXPECT_EQ(camera.up.z, up.z);
  EXPECT_EQ(camera.position.x, camera.eye.x);
}

TEST(CameraDirector, KeysLieOnTheirShellsFortyDegreesApart) {
  CameraDirector camera = startedFlight(424242);
  const float second = length(camera.track.current.position);
  const float third = length(camera.track.next.position);
  EXPECT_GE(second, 40000.0f - 1);
  EXPECT_LE(second, 45000.0f + 1);
  EXPECT_GE(third, 40000.0f - 1);
  EXPECT_LE(third, 45000.0f + 1);
  EXPECT_LE(angleBetween(camera.track.previous.position, camera.track.current.position), 40.01f);

  std::vector<Vec3> keys;
  for (int frame = 0; frame < 40 * 60; ++frame) {
    const Vec3 before = camera.track.next.position;
    camera.advance(1.0 / 6.0);
    if (camera.track.next.position.x != before.x) keys.push_back(camera.track.next.position);
  }
  ASSERT_GE(keys.size(), 30u);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    EXPECT_GE(length(keys[i]), 40000.0f - 4);
    EXPECT_LE(length(keys[i]), 60000.0f + 4);
    if (i > 0) {
      EXPECT_LE(angleBetween(keys[i - 1], keys[i]), 40.01f);
    }
  }
}

TEST(CameraDirector, LooksAtTheOriginAtEveryKey) {
  CameraDirector camera = startedFlight(9);
  for (int segment = 0; segment < 20; ++segment) {
    camera.advance(10.0 - double(camera.track.phase) * 10.0);  // exactly onto the next key
    EXPECT_LT(camera.track.phase, 1e-3f);
    EXPECT_GT(dot(camera.forward, normalized(-camera.eye)), 0.999f) << segment;
  }
}

TEST(CameraDirector, AJumpPastTwoShiftsOnlyOneKey) {
  CameraDirector camera = startedFlight(3);
  const Vec3 oldNext = camera.track.next.position;
  camera.advance(25.0);  // phase 2.5
  EXPECT_FLOAT_EQ(camera.track.phase, 1.5f);
  EXPECT_EQ(camera.track.current.position.x, oldNext.x);
  EXPECT_TRUE(std::isfinite(camera.eye.x));
  camera.advance(0.0);
  EXPECT_FLOAT_EQ(camera.track.phase, 0.5f);
}

TEST(CameraDirector, TheSameSeedFliesTheSamePath) {
  auto flyFrom = [](std::uint32_t seed) {
    CameraDirector camera = startedFlight(seed);
    for (int i = 0; i < 500; ++i) camera.advance(0.1);
    return camera;
  };
  const CameraDirector a = flyFrom(1234), b = flyFrom(1234), c = flyFrom(1235);
  EXPECT_EQ(a.eye.x, b.eye.x);
  EXPECT_EQ(a.eye.y, b.eye.y);
  EXPECT_EQ(a.up.z, b.up.z);
  EXPECT_NE(a.eye.x, c.eye.x);
}

TEST(CameraDirector, StaysFiniteAndNearTheShellsOverManySegments) {
  CameraDirector camera = startedFlight(777);
  for (int i = 0; i < 200000; ++i) {
    camera.advance(1.0 / 60.0 * 2.5);
    if (i % 97 == 0) {
      ASSERT_TRUE(std::isfinite(camera.eye.x) && std::isfinite(camera.eye.y) &&
                  std::isfinite(camera.eye.z));
      ASSERT_TRUE(std::isfinite(camera.forward.x) && std::isfinite(camera.up.y));
      ASSERT_LT(length(camera.eye), 120000.0f);
      ASSERT_GT(length(camera.eye), 10000.0f);
    }
  }
}
