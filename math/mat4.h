#pragma once
// mat4.h -- four-by-four matrices in OpenGL order, and the frame that looks along a direction

#include "math/quat.h"
#include "math/vec3.h"

// Sixteen floats in OpenGL order: element index = column * 4 + row.
struct Mat4 {
  float m[16];

  float& operator[](int i) { return m[i]; }
  float operator[](int i) const { return m[i]; }
  const float* data() const { return m; }
};

// m[0..2] = f, m[4..6] = s, m[8..10] = u (note the order), no translation.
Mat4 basisMatrix(const Vec3& f, const Vec3& u, const Vec3& s);

void quatFromMatrix(Quat& out, const Mat4& m);
void matrixFromQuat(Mat4& out, const Quat& q);
