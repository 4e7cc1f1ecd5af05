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

Mat4 identityMatrix();

// a x b: b's transform first, then a's (as OpenGL composes the current
// matrix with the next).
Mat4 operator*(const Mat4& a, const Mat4& b);

// The matrices glTranslatef, glRotatef (degrees about an axis), glScalef,
// glFrustum and glOrtho make, in single precision.
Mat4 translationMatrix(const Vec3& t);
Mat4 rotationMatrix(float degrees, const Vec3& axis);
Mat4 scaleMatrix(const Vec3& s);
Mat4 frustumMatrix(float left, float right, float bottom, float top, float zNear, float zFar);
Mat4 orthoMatrix(float left, float right, float bottom, float top, float zNear, float zFar);

// m[0..2] = f, m[4..6] = s, m[8..10] = u (note the order), no translation.
Mat4 basisMatrix(const Vec3& f, const Vec3& u, const Vec3& s);

void quatFromMatrix(Quat& out, const Mat4& m);
void matrixFromQuat(Mat4& out, const Quat& q);
