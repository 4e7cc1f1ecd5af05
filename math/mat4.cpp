// mat4.cpp -- four-by-four matrices in OpenGL order, and the frame that looks along a direction
#include "math/mat4.h"

#include <cmath>

Mat4 identityMatrix() { return {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}}; }

Mat4 operator*(const Mat4& a, const Mat4& b) {
  Mat4 product;
  for (int column = 0; column < 4; ++column)
    for (int row = 0; row < 4; ++row)
      product[column * 4 + row] = a[row] * b[column * 4] + a[4 + row] * b[column * 4 + 1] +
                                  a[8 + row] * b[column * 4 + 2] + a[12 + row] * b[column * 4 + 3];
  return product;
}

Mat4 translationMatrix(const Vec3& t) {
  return {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, t.x, t.y, t.z, 1}};
}

Mat4 rotationMatrix(float degrees, const Vec3& axis) {
  const float n = std::sqrt(axis.x * axis.x + axis.y * axis.y + axis.z * axis.z);
  if (!(n > 0)) return identityMatrix();  // OpenGL leaves the matrix as it is
  const float x = axis.x / n, y = axis.y / n, z = axis.z / n;
  const float radians = degrees * 3.14159265358979323846f / 180.0f;
  const float c = std::cos(radians), s = std::sin(radians), k = 1 - c;
  return {{x * x * k + c, y * x * k + z * s, x * z * k - y * s, 0,
           x * y * k - z * s, y * y * k + c, y * z * k + x * s, 0,
           x * z * k + y * s, y * z * k - x * s, z * z * k + c, 0,
           0, 0, 0, 1}};
}

Mat4 scaleMatrix(const Vec3& s) {
  return {{s.x, 0, 0, 0, 0, s.y, 0, 0, 0, 0, s.z, 0, 0, 0, 0, 1}};
}

Mat4 frustumMatrix(float left, float right, float bottom, float top, float zNear, float zFar) {
  const float x = (2.0f * zNear) / (right - left), y = (2.0f * zNear) / (top - bottom);
  const float a = (right + left) / (right - left), b = (top + bottom) / (top - bottom);
  const float c = -(zFar + zNear) / (zFar - zNear);
  const float d = -(2.0f * zFar * zNear) / (zFar - zNear);
  return {{x, 0, 0, 0, 0, y, 0, 0, a, b, c, -1, 0, 0, d, 0}};
}

Mat4 orthoMatrix(float left, float right, float bottom, float top, float zNear, float zFar) {
  return {{2.0f / (right - left), 0, 0, 0, 0, 2.0f / (top - bottom), 0, 0, 0, 0,
           -2.0f / (zFar - zNear), 0, -(right + left) / (right - left),
           -(top + bottom) / (top - bottom), -(zFar + zNear) / (zFar - zNear), 1}};
}

Mat4 basisMatrix(const Vec3& f, const Vec3& u, const Vec3& s) {
  return {{f.x, f.y, f.z, 0, s.x, s.y, s.z, 0, u.x, u.y, u.z, 0, 0, 0, 0, 1}};
}

void quatFromMatrix(Quat& out, const Mat4& m) {
  const float tr = m[0] + m[5] + m[10];
  if (tr > 0) {
    float s = std::sqrt(tr + 1.0f);
    out.w = s / 2.0f;
    s = 0.5f / s;
    out.x = (m[6] - m[9]) * s;
    out.y = (m[8] - m[2]) * s;
    out.z = (m[1] - m[4]) * s;
    return;
  }
  auto at = [&m](int i, int j) { return m[4 * i + j]; };
  int i = 0;
  if (m[5] > m[0]) i = 1;
  if (m[10] > at(i, i)) i = 2;
  static const int next[3] = {1, 2, 0};
  const int j = next[i], k = next[j];

  float q[3];
  float s = std::sqrt(at(i, i) - (at(j, j) + at(k, k)) + 1.0f);
  q[i] = s * 0.5f;
  if (s != 0.0f) s = 0.5f / s;
  out.w = (at(j, k) - at(k, j)) * s;
  q[j] = (at(i, j) + at(j, i)) * s;
  q[k] = (at(i, k) + at(k, i)) * s;
  out.x = q[0];
  out.y = q[1];
  out.z = q[2];
}

void matrixFromQuat(Mat4& out, const Quat& q) {
  const float x2 = q.x + q.x, y2 = q.y + q.y, z2 = q.z + q.z;
  const float xx = q.x * x2, xy = q.x * y2, xz = q.x * z2;
  const float yy = q.y * y2, yz = q.y * z2, zz = q.z * z2;
  const float wx = q.w * x2, wy = q.w * y2, wz = q.w * z2;
  out = {{1 - (yy + zz), xy - wz, xz + wy, 0,
          xy + wz, 1 - (xx + zz), yz - wx, 0,
          xz - wy, yz + wx, 1 - (xx + yy), 0,
          0, 0, 0, 1}};
}
