// image.cpp -- a picture being painted, in floating-point colour
#include "content/image.h"

#include <cmath>

Colour operator+(const Colour& p, const Colour& q) {
  return {p.r + q.r, p.g + q.g, p.b + q.b, p.a + q.a};
}

Colour operator*(const Colour& p, float s) { return {p.r * s, p.g * s, p.b * s, p.a * s}; }

Colour mix(const Colour& p, const Colour& q, float t) { return p * (1 - t) + q * t; }

float clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

float smoothstep(float edge0, float edge1, float v) {
  float t = clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}

Image::Image(int width, int height)
    : width_(width), height_(height), pixels_(std::size_t(width) * height) {}

void Image::addWrapped(int x, int y, const Colour& c, float weight) {
  if (y < 0 || y >= height_) return;
  x %= width_;
  if (x < 0) x += width_;
  Colour& p = at(x, y);
  p.r += c.r * weight;
  p.g += c.g * weight;
  p.b += c.b * weight;
  p.a += c.a * weight;
}

static unsigned char toByte(float v) { return static_cast<unsigned char>(std::lround(clamp01(v) * 255)); }

std::vector<unsigned char> Image::rgbBytes() const {
  std::vector<unsigned char> bytes;
  bytes.reserve(pixels_.size() * 3);
  for (const Colour& p : pixels_) {
    bytes.push_back(toByte(p.r));
    bytes.push_back(toByte(p.g));
    bytes.push_back(toByte(p.b));
  }
  return bytes;
}

std::vector<unsigned char> Image::rgbaBytes() const {
  std::vector<unsigned char> bytes;
  bytes.reserve(pixels_.size() * 4);
  for (const Colour& p : pixels_) {
    bytes.push_back(toByte(p.r));
    bytes.push_back(toByte(p.g));
    bytes.push_back(toByte(p.b));
    bytes.push_back(toByte(p.a));
  }
  return bytes;
}
