#pragma once
// image.h -- a picture being painted, in floating-point colour

#include <cstdint>
#include <vector>

// A picture being painted: floating-point red, green, blue and alpha per
// pixel, row 0 at the top.
struct Colour {
  float r = 0, g = 0, b = 0, a = 1;
};

Colour operator+(const Colour& p, const Colour& q);
Colour operator*(const Colour& p, float s);
Colour mix(const Colour& p, const Colour& q, float t);

class Image {
 public:
  Image(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  Colour& at(int x, int y) { return pixels_[std::size_t(y) * width_ + x]; }
  const Colour& at(int x, int y) const { return pixels_[std::size_t(y) * width_ + x]; }

  // Adds `c` times `weight` to the pixel, wrapping x around and ignoring
  // rows outside the picture.
  void addWrapped(int x, int y, const Colour& c, float weight);

  // Colour channels clamped to 0..255, rows from the top: 3 bytes a pixel.
  std::vector<unsigned char> rgbBytes() const;
  // The same with alpha: 4 bytes a pixel (red, green, blue, alpha).
  std::vector<unsigned char> rgbaBytes() const;

 private:
  int width_, height_;
  std::vector<Colour> pixels_;
};

float clamp01(float v);
float smoothstep(float edge0, float edge1, float v);
