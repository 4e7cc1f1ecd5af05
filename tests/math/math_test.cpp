#include <gtest/gtest.h>

#include <cmath>

#include "math/mat4.h"
#include "math/quat.h"
#include "math/random.h"
#include "math/vec3.h"

namespace {

void expectQuat(const Quat& q, float x, float y, float z, float w, float eps = 1e-6f) {
  EXPECT_NEAR(q.x, x, eps);
  EXPECT_NEAR(q.y, y, eps);
  EXPECT_NEAR(q.z, z, eps);
  EXPECT_NEAR(q.w, w, eps);
}

void expectVec(const Vec3& v, float x, float y, float z, float eps = 1e-5f) {
  EXPECT_NEAR(v.x, x, eps);
  EXPECT_NEAR(v.y, y, eps);
  EXPECT_NEAR(v.z, z, eps);
}

Quat unitQuat(float x, float y, float z, float w) {
  Quat q(x, y, z, w);
  q.normalize();
  return q;
}

}  // namespace

TEST(Vec3, ArithmeticAndProducts) {
  const Vec3 a(1, 2, 3), b(4, 5, 6);
  expectVec(a + b, 5, 7, 9);
  expectVec(a - b, -3, -3, -3);
  expectVec(-a, -1, -2, -3);
  expectVec(a * 2.0f, 2, 4, 6);
  expectVec(2.0f * a, 2, 4, 6);
  expectVec(b / 2.0f, 2, 2.5f, 3);
  expectVec(Vec3(7), 7, 7, 7);
  EXPECT_FLOAT_EQ(dot(a, b), 32);
  expectVec(cross(a, b), -3, 6, -3);
  expectVec(cross(Vec3(1, 0, 0), Vec3(0, 1, 0)), 0, 0, 1);
  Vec3 c = a;
  c += b;
  expectVec(c, 5, 7, 9);
  EXPECT_FLOAT_EQ(length(Vec3(3, 4, 12)), 13);
  expectVec(normalized(Vec3(0, 0, -5)), 0, 0, -1);
}

TEST(Vec3, RotateAboutAxisTurnsByTheNegatedAngle) {
  Vec3 v(0, 1, 0);
  rotateAboutAxis(v, Vec3(0, 0, 1), 90);
  expectVec(v, 1, 0, 0);

  // The axis need not be unit length; the length of v is kept.
  Vec3 w(3, 0, 0);
  rotateAboutAxis(w, Vec3(0, 5, 0), 90);
  expectVec(w, 0, 0, 3);

  Vec3 u(1, 2, 3);
  rotateAboutAxis(u, Vec3(1, 1, 1), 360);
  expectVec(u, 1, 2, 3, 1e-4f);
}

TEST(Vec3, RandomUnitVectorDrawsThreeValuesInOrder) {
  seedRandom(7);
  const float x = rand01() * 20 - 10, y = rand01() * 20 - 10, z = rand01() * 20 - 10;
  const int after = randomInt();
  seedRandom(7);
  const Vec3 v = randomUnitVector();
  EXPECT_EQ(randomInt(), after);
  const Vec3 expected = normalized(Vec3(x, y, z));
  expectVec(v, expected.x, expected.y, expected.z, 1e-7f);
  EXPECT_NEAR(length(v), 1.0f, 1e-6f);
}

TEST(Hermite, HitsTheEndPointsExactlyAndFollowsTheTangents) {
  EXPECT_EQ(hermite(3.5f, -2.25f, 10.0f, 7.0f, 0.0f), 3.5f);
  EXPECT_EQ(hermite(3.5f, -2.25f, 10.0f, 7.0f, 1.0f), -2.25f);
  // Zero tangents: smoothstep, half way at t = 0.5.
  EXPECT_FLOAT_EQ(hermite(0.0f, 2.0f, 0.0f, 0.0f, 0.5f), 1.0f);
  // Tangents equal to the chord: a straight line.
  EXPECT_FLOAT_EQ(hermite(0.0f, 4.0f, 4.0f, 4.0f, 0.25f), 1.0f);
  const Vec3 p = hermite(Vec3(0, 0, 0), Vec3(4, 8, -4), Vec3(4, 8, -4), Vec3(4, 8, -4), 0.75f);
  expectVec(p, 3, 6, -3);
}

TEST(Slerp, EqualAndOppositeQuaternionsGiveTheFirst) {
  const Quat q = unitQuat(0.1f, 0.2f, 0.3f, 0.9f);
  Quat out;
  slerp(out, q, q, 0.37f);
  expectQuat(out, q.x, q.y, q.z, q.w);
  const Quat minusQ(-q.x, -q.y, -q.z, -q.w);
  slerp(out, q, minusQ, 0.37f);
  expectQuat(out, q.x, q.y, q.z, q.w);
}

TEST(Slerp, EndOfTheArcIsTheSecondOrItsNegation) {
  const Quat q = unitQuat(0, 0, 0, 1);
  const Quat p = unitQuat(0, 0.8f, 0, 0.6f);
  Quat out;
  slerp(out, q, p, 1);
  expectQuat(out, p.x, p.y, p.z, p.w);
  const Quat far = unitQuat(0, 0.8f, 0, -0.6f);  // q . far < 0
  slerp(out, q, far, 1);
  expectQuat(out, -far.x, -far.y, -far.z, -far.w);
}

TEST(Slerp, SphericalBranchKeepsUnitLengthAndLinearBranchDoesNot) {
  // 90 degrees apart: cosine 0, spherical; the midpoint is a unit quaternion.
  const Quat a(0, 0, 0, 1), b(0, 1, 0, 0);
  Quat out;
  slerp(out, a, b, 0.5f);
  expectQuat(out, 0, std::sqrt(0.5f), 0, std::sqrt(0.5f));

  // Cosine above 0.9: the linear fallback, visibly not renormalised.
  const Quat c = unitQuat(0, 0.3f, 0, 1);
  slerp(out, a, c, 0.5f);
  expectQuat(out, 0.5f * c.x, 0.5f * c.y, 0.5f * c.z, 0.5f * (1 + c.w));
}

TEST(Slerp, ExtrapolatesBeyondTheEnds) {
  const Quat a(0, 0, 0, 1), b(0, 1, 0, 0);
  Quat out;
  slerp(out, a, b, -1);  // -90 degrees of the same arc
  expectQuat(out, 0, -1, 0, 0);
  slerp(out, a, b, 2);
  expectQuat(out, 0, 0, 0, -1);
}

TEST(Slerp, OutMayAliasAnInput) {
  Quat a(0, 0, 0, 1);
  const Quat b(0, 1, 0, 0);
  slerp(a, a, b, 0.5f);
  expectQuat(a, 0, std::sqrt(0.5f), 0, std::sqrt(0.5f));
}

TEST(BezierSlerp, ReturnsTheEndsAndStaysOnTheControlsWhenAllAgree) {
  const Quat qa = unitQuat(0.2f, 0.1f, 0, 1), qb = unitQuat(0, 0.5f, 0.3f, 0.8f);
  const Quat ca = unitQuat(0.1f, 0.3f, 0.1f, 0.9f), cb = unitQuat(0.05f, 0.45f, 0.2f, 0.85f);
  expectQuat(bezierSlerp(qa, qb, ca, cb, 0), qa.x, qa.y, qa.z, qa.w);
  const Quat end = bezierSlerp(qa, qb, ca, cb, 1);
  expectQuat(end, qb.x, qb.y, qb.z, qb.w, 1e-5f);
  const Quat same = bezierSlerp(qa, qa, qa, qa, 0.4f);
  expectQuat(same, qa.x, qa.y, qa.z, qa.w);
}

TEST(Matrices, IdentityRoundTrips) {
  Quat q;
  quatFromMatrix(q, Mat4{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}});
  expectQuat(q, 0, 0, 0, 1);
  Mat4 m;
  matrixFromQuat(m, Quat(0, 0, 0, 1));
  for (int i = 0; i < 16; ++i) EXPECT_EQ(m[i], (i % 5 == 0) ? 1.0f : 0.0f) << i;
}

TEST(Matrices, HalfTurnAboutXTakesTheTraceBranch) {
  // Rotation by 180 degrees about x: diag(1, -1, -1), trace -1.
  Quat q;
  quatFromMatrix(q, Mat4{{1, 0, 0, 0, 0, -1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1}});
  expectQuat(q, 1, 0, 0, 0);
  // About y and z the larger diagonal element picks the component.
  quatFromMatrix(q, Mat4{{-1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1}});
  expectQuat(q, 0, 1, 0, 0);
  quatFromMatrix(q, Mat4{{-1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}});
  expectQuat(q, 0, 0, 1, 0);
}

TEST(Matrices, BasisRoundTripGivesTheFrameTheCameraReadsBack) {
  seedRandom(99);
  for (int n = 0; n < 200; ++n) {
    const Vec3 f = randomUnitVector();
    const Vec3 s = normalized(cross(randomUnitVector(), f));
    const Vec3 u = cross(f, s);  // right-handed: cross(f, s) = u
    const Mat4 basis = basisMatrix(f, u, s);
    EXPECT_EQ(basis[4], s.x);
    EXPECT_EQ(basis[8], u.x);
    Quat q;
    quatFromMatrix(q, basis);
    EXPECT_NEAR(q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w, 1.0f, 1e-4f);
    Mat4 m;
    matrixFromQuat(m, q);
    expectVec(Vec3(m[0], m[4], m[8]), f.x, f.y, f.z, 1e-4f);
    expectVec(Vec3(m[1], m[5], m[9]), s.x, s.y, s.z, 1e-4f);
    expectVec(Vec3(m[2], m[6], m[10]), u.x, u.y, u.z, 1e-4f);
  }
}

TEST(Matrices, QuaternionRotationCarriesTheAxesToTheFrame) {
  // The quaternion of the frame turns x to f, y to s and z to u.
  const Vec3 f(0, 0, -1), s(1, 0, 0), u = cross(f, s);
  Quat q;
  quatFromMatrix(q, basisMatrix(f, u, s));
  auto rotate = [&q](const Vec3& v) {
    const Vec3 qv(q.x, q.y, q.z);
    const Vec3 t = 2.0f * cross(qv, v);
    return v + q.w * t + cross(qv, t);
  };
  const Vec3 x = rotate(Vec3(1, 0, 0)), y = rotate(Vec3(0, 1, 0)), z = rotate(Vec3(0, 0, 1));
  expectVec(x, f.x, f.y, f.z);
  expectVec(y, s.x, s.y, s.z);
  expectVec(z, u.x, u.y, u.z);
}
