// mipmap_chain.cpp -- an image's mipmap levels made on the CPU by one box filter
#include "data/mipmap_chain.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

// GLU's choice of a power-of-two size: the two highest bits decide
// whether to round up or down.
int nearestPowerOfTwo(int value) {
  int power = 1;
  for (; value > 1; value >>= 1) {
    if (value == 3) return power * 4;
    power *= 2;
  }
  return power;
}

// A source texel's share of one output texel along a side.
struct Tap {
  int source;
  float weight;
};

// For each of `to` output texels along a side of `from` texels, the source
// texels its span covers, weighted by the part of the span each fills.
std::vector<std::vector<Tap>> taps(int from, int to) {
  std::vector<std::vector<Tap>> result(static_cast<std::size_t>(to));
  const double scale = double(from) / double(to);
  for (int out = 0; out < to; ++out) {
    const double begin = out * scale, end = (out + 1) * scale;
    for (int i = int(std::floor(begin)); i < end && i < from; ++i) {
      const double covered = std::min(end, i + 1.0) - std::max(begin, double(i));
      if (covered > 0) result[std::size_t(out)].push_back({i, float(covered / scale)});
    }
  }
  return result;
}

unsigned char rounded(float value) { return (unsigned char)std::min(255.0f, value + 0.5f); }

// The image at width x height, each texel the average of the area it covers.
MipmapLevel resized(const unsigned char* pixels, int fromWidth, int fromHeight, int width,
                    int height, int components) {
  const std::size_t c = std::size_t(components);
  const std::vector<std::vector<Tap>> across = taps(fromWidth, width), down = taps(fromHeight, height);
  std::vector<float> rows(std::size_t(fromHeight) * std::size_t(width) * c, 0.0f);
  for (int y = 0; y < fromHeight; ++y)
    for (int x = 0; x < width; ++x)
      for (const Tap& tap : across[std::size_t(x)])
        for (std::size_t k = 0; k < c; ++k)
          rows[(std::size_t(y) * width + x) * c + k] +=
              tap.weight * pixels[(std::size_t(y) * fromWidth + tap.source) * c + k];

  MipmapLevel level{width, height, std::vector<unsigned char>(std::size_t(width) * height * c)};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (std::size_t k = 0; k < c; ++k) {
        float sum = 0;
        for (const Tap& tap : down[std::size_t(y)])
          sum += tap.weight * rows[(std::size_t(tap.source) * width + x) * c + k];
        level.texels[(std::size_t(y) * width + x) * c + k] = rounded(sum);
      }
  return level;
}

// The next level of a power-of-two level.
MipmapLevel halved(const MipmapLevel& from, int components) {
  const std::size_t c = std::size_t(components);
  const int width = std::max(1, from.width / 2), height = std::max(1, from.height / 2);
  const int stepX = from.width > 1 ? 1 : 0, stepY = from.height > 1 ? 1 : 0;
  MipmapLevel level{width, height, std::vector<unsigned char>(std::size_t(width) * height * c)};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (std::size_t k = 0; k < c; ++k) {
        auto at = [&](int dx, int dy) {
          return unsigned(
              from.texels[(std::size_t(2 * y + dy) * from.width + std::size_t(2 * x + dx)) * c + k]);
        };
        // Along a side of 1 each texel counts twice.
        const unsigned sum = at(0, 0) + at(stepX, 0) + at(0, stepY) + at(stepX, stepY);
        level.texels[(std::size_t(y) * width + x) * c + k] = (unsigned char)((sum + 2) / 4);
      }
  return level;
}

}  // namespace

std::vector<MipmapLevel> mipmapChain(const unsigned char* pixels, int width, int height,
                                     int components) {
  std::vector<MipmapLevel> chain;
  if (!pixels || width <= 0 || height <= 0 || components < 1 || components > 4) return chain;
  const int w = nearestPowerOfTwo(width), h = nearestPowerOfTwo(height);
  if (w == width && h == height)
    chain.push_back({w, h, std::vector<unsigned char>(
                               pixels, pixels + std::size_t(w) * std::size_t(h) * components)});
  else
    chain.push_back(resized(pixels, width, height, w, h, components));
  while (chain.back().width > 1 || chain.back().height > 1)
    chain.push_back(halved(chain.back(), components));
  return chain;
}
