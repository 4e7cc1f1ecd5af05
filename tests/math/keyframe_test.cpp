#include <gtest/gtest.h>

#include "math/keyframe.h"

namespace {

Quat unitQuat(float x, float y, float z, float w) {
  Quat q(x, y, z, w);
  q.normalize();
  return q;
}

float quatDot(const Quat& a, const Quat& b) { return a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w; }

KeyframeTrack trackThrough(const Vec3& a, const Vec3& b, const Vec3& c, const Quat& qa,
                           const Quat& qb, const Quat& qc) {
  KeyframeTrack track;
  track.previous.position = a;
  track.current.position = b;
  track.next.position = c;
  track.previous.orientation = qa;
  track.current.orientation = qb;
  track.next.orientation = qc;
  track.startTrack();
  return track;
}

}  // namespace

TEST(Keyframe, NewKeyHasZeroPositionAndGradient) {
  const Keyframe key;
  EXPECT_EQ(key.position.x, 0);
  EXPECT_EQ(key.position.z, 0);
  EXPECT_EQ(key.gradient.y, 0);
}

TEST(Keyframe, GradientIsHalfTheNeighbourChord) {
  Keyframe prev, key, next;
  prev.position = Vec3(0, 0, 0);
  key.position = Vec3(10, 2, 0);
  next.position = Vec3(30, 6, -8);
  prev.orientation = key.orientation = next.orientation = Quat(0, 0, 0, 1);
  prepareKey(prev, key, next);
  EXPECT_FLOAT_EQ(key.gradient.x, 15);
  EXPECT_FLOAT_EQ(key.gradient.y, 3);
  EXPECT_FLOAT_EQ(key.gradient.z, -4);
}

TEST(Keyframe, EqualOrientationsGiveEqualControlsAndAConstantOrientation) {
  const Quat q = unitQuat(0.3f, -0.2f, 0.5f, 0.7f);
  KeyframeTrack track = trackThrough(Vec3(0, 0, 0), Vec3(1, 0, 0), Vec3(2, 0, 0), q, q, q);
  for (const Quat& c : {track.current.inControl, track.current.outControl}) {
    EXPECT_NEAR(c.x, q.x, 1e-6f);
    EXPECT_NEAR(c.w, q.w, 1e-6f);
  }
  for (float t : {0.0f, 0.3f, 0.7f, 1.0f}) {
    Vec3 p;
    Quat o;
    track.evaluate(t, p, o);
    EXPECT_NEAR(quatDot(o, q), 1.0f, 1e-5f) << t;
  }
}

TEST(Keyframe, EvaluatePassesThroughBothKeys) {
  const Quat qa = unitQuat(0, 0, 0, 1), qb = unitQuat(0, 0.4f, 0, 0.9f),
             qc = unitQuat(0.2f, 0.6f, 0, 0.7f);
  KeyframeTrack track =
      trackThrough(Vec3(5, 0, 0), Vec3(0, 5, 0), Vec3(-5, 0, 3), qa, qb, qc);
  Vec3 p;
  Quat o;
  track.evaluate(0, p, o);
  EXPECT_FLOAT_EQ(p.x, 5);
  EXPECT_FLOAT_EQ(p.y, 0);
  EXPECT_NEAR(std::abs(quatDot(o, qa)), 1.0f, 1e-5f);
  track.evaluate(1, p, o);
  EXPECT_FLOAT_EQ(p.x, 0);
  EXPECT_FLOAT_EQ(p.y, 5);
  EXPECT_NEAR(std::abs(quatDot(o, qb)), 1.0f, 1e-5f);
  EXPECT_NEAR(o.x * o.x + o.y * o.y + o.z * o.z + o.w * o.w, 1.0f, 1e-5f);
}

TEST(Keyframe, StartTrackLeavesTheFirstKeyAtRest) {
  const Quat q(0, 0, 0, 1);
  KeyframeTrack track = trackThrough(Vec3(0, 0, 0), Vec3(10, 0, 0), Vec3(20, 0, 0), q, q, q);
  Vec3 p0, p1;
  Quat o;
  track.evaluate(0, p0, o);
  track.evaluate(1e-3f, p1, o);
  // Zero gradient at t = 0: the displacement is second order in t.
  EXPECT_LT(length(p1 - p0), 1e-3f);
  // Collinear, equally spaced: the current key's gradient is the spacing.
  EXPECT_FLOAT_EQ(track.current.gradient.x, 10);
  Vec3 mid;
  track.evaluate(0.5f, mid, o);
  EXPECT_EQ(mid.y, 0);
  EXPECT_GT(mid.x, 0);
  EXPECT_LT(mid.x, 10);
}

TEST(Keyframe, ShiftKeysMovesWholeKeysDown) {
  KeyframeTrack track;
  track.current.position = Vec3(1, 2, 3);
  track.current.gradient = Vec3(4, 5, 6);
  track.current.orientation = Quat(0, 1, 0, 0);
  track.next.position = Vec3(7, 8, 9);
  track.shiftKeys();
  EXPECT_EQ(track.previous.position.y, 2);
  EXPECT_EQ(track.previous.gradient.z, 6);
  EXPECT_EQ(track.previous.orientation.y, 1);
  EXPECT_EQ(track.current.position.x, 7);
}
