#pragma once

#include <gtest/gtest.h>

#include "gl/gl.h"

// Tests that draw: one shared headless context of kGlTestWidth x kGlTestHeight,
// its state reset to OpenGL's defaults before each test.
constexpr int kGlTestWidth = 64;
constexpr int kGlTestHeight = 48;

class GlTest : public ::testing::Test {
 protected:
  void SetUp() override;
};

// Reads one RGBA pixel of the current colour buffer.
struct Pixel {
  int r, g, b, a;
};
Pixel readPixel(int x, int y);
float readDepth(int x, int y);
