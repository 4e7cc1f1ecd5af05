// vec3.cpp -- three-float vectors and their arithmetic
#include "math/vec3.h"

#include <cmath>

#include "math/random.h"

float length(const Vec3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

Vec3 normalized(const Vec3& v) { return v / length(v); }

void rotateAboutAxis(Vec3& v, const Vec3& axis, float angle) {
  // OpenGL leaves the matrix unchanged for a (nearly) zero axis; so do we.
  const double mag = std::sqrt(double(axis.x) * axis.x + double(axis.y) * axis.y +
                               double(axis.z) * axis.z);
  if (mag <= 1.0e-4) return;
  const double x = axis.x / mag, y = axis.y / mag, z = axis.z / mag;
  const double radians = double(angle) * (3.14159265358979323846 / 180.0);
  const double c = std::cos(radians), s = std::sin(radians), k = 1.0 - c;

  // Rows of R; the result is R^T v, i.e. v dotted with each column of R.
  const double r00 = x * x * k + c, r01 = x * y * k - z * s, r02 = x * z * k + y * s;
  const double r10 = y * x * k + z * s, r11 = y * y * k + c, r12 = y * z * k - x * s;
  const double r20 = z * x * k - y * s, r21 = z * y * k + x * s, r22 = z * z * k + c;
  const double vx = v.x, vy = v.y, vz = v.z;
  v.x = float(r00 * vx + r10 * vy + r20 * vz);
  v.y = float(r01 * vx + r11 * vy + r21 * vz);
  v.z = float(r02 * vx + r12 * vy + r22 * vz);
}

Vec3 randomUnitVector() {
  Vec3 v;
  v.x = rand01() * 20.0f - 10.0f;
  v.y = rand01() * 20.0f - 10.0f;
  v.z = rand01() * 20.0f - 10.0f;
  return normalized(v);
}

float hermite(float p0, float p1, float m0, float m1, float t) {
  const float t2 = t * t, t3 = t2 * t;
  return (2 * t3 - 3 * t2 + 1) * p0 + (t3 - 2 * t2 + t) * m0 + (-2 * t3 + 3 * t2) * p1 +
         (t3 - t2) * m1;
}

Vec3 hermite(const Vec3& p0, const Vec3& p1, const Vec3& m0, const Vec3& m1, float t) {
  return {hermite(p0.x, p1.x, m0.x, m1.x, t), hermite(p0.y, p1.y, m0.y, m1.y, t),
          hermite(p0.z, p1.z, m0.z, m1.z, t)};
}
