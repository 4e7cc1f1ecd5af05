#pragma once
// vec3.h -- three-float vectors and their arithmetic

struct Vec3 {
  float x, y, z;

  Vec3() = default;  // components unset
  Vec3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
  explicit Vec3(float s) : x(s), y(s), z(s) {}

  Vec3& operator+=(const Vec3& w) {
    x += w.x;
    y += w.y;
    z += w.z;
    return *this;
  }
};

inline Vec3 operator-(const Vec3& v) { return {-v.x, -v.y, -v.z}; }
inline Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(const Vec3& v, float s) { return {v.x * s, v.y * s, v.z * s}; }
inline Vec3 operator*(float s, const Vec3& v) { return {v.x * s, v.y * s, v.z * s}; }
inline Vec3 operator/(const Vec3& v, float s) { return {v.x / s, v.y / s, v.z / s}; }

float length(const Vec3& v);
Vec3 normalized(const Vec3& v);
inline float dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Turns v in place by -angle degrees about axis: v = R^T v, where R is the
// rotation glRotatef(angle, axis) applies. Needs no rendering context.
void rotateAboutAxis(Vec3& v, const Vec3& axis, float angle);

// Three draws, x then y then z, each in [-10, 10], normalised.
Vec3 randomUnitVector();

float hermite(float p0, float p1, float m0, float m1, float t);
Vec3 hermite(const Vec3& p0, const Vec3& p1, const Vec3& m0, const Vec3& m1, float t);
