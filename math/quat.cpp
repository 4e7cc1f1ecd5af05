// quat.cpp -- quaternion orientations: products, matrices, spherical interpolation
#include "math/quat.h"

#include <cmath>

void Quat::normalize() {
  const float n = std::sqrt(x * x + y * y + z * z + w * w);
  x /= n;
  y /= n;
  z /= n;
  w /= n;
}

void slerp(Quat& out, const Quat& q0, const Quat& q1, float t) {
  double k = double(q0.x) * q1.x + double(q0.y) * q1.y + double(q0.z) * q1.z +
             double(q0.w) * q1.w;
  double sign = 1.0;
  if (k < 0) {
    k = -k;
    sign = -1.0;
  }
  double s0, s1;
  if (1.0 - k > 0.1) {
    const double omega = std::acos(k);
    const double sinOmega = std::sin(omega);
    s0 = std::sin((1.0 - t) * omega) / sinOmega;
    s1 = std::sin(t * omega) / sinOmega;
  } else {
    s0 = 1.0 - t;
    s1 = t;
  }
  s1 *= sign;
  // q1 may alias out: read everything before writing.
  const Quat a = q0, b = q1;
  out.x = float(s0 * a.x + s1 * b.x);
  out.y = float(s0 * a.y + s1 * b.y);
  out.z = float(s0 * a.z + s1 * b.z);
  out.w = float(s0 * a.w + s1 * b.w);
}

Quat bezierSlerp(const Quat& qa, const Quat& qb, const Quat& ca, const Quat& cb, float t) {
  Quat p1, p2, p3, p4, p5, result;
  slerp(p1, qa, ca, t);
  slerp(p2, ca, cb, t);
  slerp(p3, cb, qb, t);
  slerp(p4, p1, p2, t);
  slerp(p5, p2, p3, t);
  slerp(result, p4, p5, t);
  return result;
}
