#pragma once

#include <gtest/gtest.h>

#include "gl/gl.h"
#include "math/mat4.h"

// Tests that draw: one shared headless context of kGlTestWidth x kGlTestHeight,
// its state reset to OpenGL's defaults before each test.
constexpr int kGlTestWidth = 64;
constexpr int kGlTestHeight = 48;

class GlTest : public ::testing::Test {
 protected:
  void SetUp() override;
};

// Loads `projection` as OpenGL's projection matrix and the renderer's record of it.
void setProjection(const Mat4& projection);

// Reads one RGBA pixel of the current colour buffer.
struct Pixel {
  int r, g, b, a;
};
Pixel readPixel(int x, int y);
float readDepth(int x, int y);
