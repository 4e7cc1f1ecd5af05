// glyphs.cpp -- the clock's glyph grid, painted as seven-segment digits
#include <cmath>
#include <iterator>
#include <vector>

#include "content/textures.h"

namespace {
struct Stroke {
  float x0, y0, x1, y1;  // in a glyph box 0..1 wide and tall, y down
};

// Segments of a seven-segment face: top, upper right, lower right,
// bottom, lower left, upper left, middle.
const Stroke kSegments[7] = {{0.3f, 0.18f, 0.7f, 0.18f}, {0.7f, 0.18f, 0.7f, 0.5f},
                             {0.7f, 0.5f, 0.7f, 0.82f},  {0.3f, 0.82f, 0.7f, 0.82f},
                             {0.3f, 0.5f, 0.3f, 0.82f},  {0.3f, 0.18f, 0.3f, 0.5f},
                             {0.3f, 0.5f, 0.7f, 0.5f}};
const unsigned char kDigitSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                          0x6D, 0x7D, 0x07, 0x7F, 0x6F};

float segmentDistance(float px, float py, const Stroke& s) {
  const float dx = s.x1 - s.x0, dy = s.y1 - s.y0;
  float t = ((px - s.x0) * dx + (py - s.y0) * dy) / (dx * dx + dy * dy);
  t = t < 0 ? 0 : (t > 1 ? 1 : t);
  const float ex = px - (s.x0 + t * dx), ey = py - (s.y0 + t * dy);
  return std::sqrt(ex * ex + ey * ey);
}

const Stroke kColon[2] = {{0.5f, 0.34f, 0.5f, 0.35f}, {0.5f, 0.66f, 0.5f, 0.67f}};
// "A" or "P" above a small "M".
const Stroke kA[3] = {{0.3f, 0.55f, 0.5f, 0.15f}, {0.5f, 0.15f, 0.7f, 0.55f},
                      {0.38f, 0.4f, 0.62f, 0.4f}};
const Stroke kP[4] = {{0.32f, 0.15f, 0.32f, 0.55f}, {0.32f, 0.15f, 0.62f, 0.15f},
                      {0.62f, 0.15f, 0.62f, 0.35f}, {0.32f, 0.35f, 0.62f, 0.35f}};
const Stroke kM[4] = {{0.32f, 0.85f, 0.32f, 0.65f}, {0.32f, 0.65f, 0.5f, 0.78f},
                      {0.5f, 0.78f, 0.68f, 0.65f}, {0.68f, 0.65f, 0.68f, 0.85f}};

std::vector<Stroke> glyphStrokes(int n) {
  std::vector<Stroke> strokes;
  auto add = [&strokes](const auto& table) {
    strokes.insert(strokes.end(), std::begin(table), std::end(table));
  };
  if (n < 10) {
    for (int s = 0; s < 7; ++s)
      if (kDigitSegments[n] & (1 << s)) strokes.push_back(kSegments[s]);
  } else if (n == 10) {
    add(kColon);
  } else {
    if (n == 11)
      add(kA);
    else
      add(kP);
    add(kM);
  }
  return strokes;
}
}  // namespace

Image makeGlyphs(int size) {
  Image image(size, size);
  const int cell = size / 4;
  const float halfWidth = 0.055f, soft = 1.5f / float(cell);
  for (int n = 0; n < 13; ++n) {
    const std::vector<Stroke> strokes = glyphStrokes(n);
    const int cx = (n % 4) * cell, cy = (n / 4) * cell;
    for (int y = 0; y < cell; ++y) {
      for (int x = 0; x < cell; ++x) {
        const float px = (float(x) + 0.5f) / float(cell), py = (float(y) + 0.5f) / float(cell);
        float d = 1;
        for (const Stroke& s : strokes) d = std::fmin(d, segmentDistance(px, py, s));
        const float v = 1 - smoothstep(halfWidth - soft, halfWidth + soft, d);
        image.at(cx + x, cy + y) = {v, v, v, 1};
      }
    }
  }
  return image;
}
