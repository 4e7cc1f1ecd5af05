#pragma once
// quat.h -- quaternion orientations: products, matrices, spherical interpolation

// An orientation: vector part first, scalar last; identity (0, 0, 0, 1).
class Quat {
 public:
  float x, y, z, w;

  Quat() {}  // components unset
  Quat(float x_, float y_, float z_, float w_) : x(x_), y(y_), z(z_), w(w_) {}
  Quat(const Quat&) = default;
  Quat& operator=(const Quat&) = default;
  virtual ~Quat() = default;

  void normalize();
};

// Spherical interpolation with a double-precision cosine, the shorter arc
// (q1 negated when the cosine is negative) and a linear fallback when the two
// are within 0.1 of each other. t is not clamped: callers extrapolate.
void slerp(Quat& out, const Quat& q0, const Quat& q1, float t);

// Cubic Bezier qa -> ca -> cb -> qb by repeated slerp (de Casteljau).
Quat bezierSlerp(const Quat& qa, const Quat& qb, const Quat& ca, const Quat& cb, float t);
