// textured_quad_gl_test.cpp -- quads drawn by their lit cells leave every pixel as the whole quad does
// A quad drawn by the lit cells of its texture's grid leaves every pixel as
// the whole quad leaves it: sparse bright texels, quads from 8 to 1600
// pixels wide (so from far minified to far magnified), turned, stretched, in
// perspective and reaching behind the eye.
#include "gl/textured_quad.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <vector>

#include "data/texture_upload.h"
#include "gl/gl_state.h"
#include "tests/support/gl_fixture.h"

namespace {

using Frame = std::vector<unsigned char>;

// A size x size texture whose texels are opaque black, or transparent white
// with `alphaOnly`, but for `count` of full colour and alpha: one in the
// corner, so that repeat wrap carries it to the other edges, the rest spread
// at random.
GLuint sparseTexture(int size, int count, bool alphaOnly, unsigned seed) {
  std::vector<unsigned char> rgba(std::size_t(size) * size * 4);
  for (std::size_t i = 0; i < rgba.size(); i += 4) {
    const unsigned char colour = alphaOnly ? 255 : 0, alpha = alphaOnly ? 0 : 255;
    rgba[i] = rgba[i + 1] = rgba[i + 2] = colour;
    rgba[i + 3] = alpha;
  }
  std::mt19937 random(seed);
  for (int n = 0; n < count; ++n) {
    const std::size_t texel = n == 0 ? 0 : random() % (std::size_t(size) * size);
    for (int c = 0; c < 4; ++c) rgba[texel * 4 + c] = 255;
  }
  return uploadMipmappedTexture(4, size, size, GL_RGBA, rgba.data());
}

GLuint uniformTexture(unsigned char colour) {
  std::vector<unsigned char> rgba(16 * 16 * 4, colour);
  for (std::size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;
  return uploadMipmappedTexture(4, 16, 16, GL_RGBA, rgba.data());
}

Frame readFrame() {
  Frame frame(std::size_t(kGlTestWidth) * kGlTestHeight * 4);
  glReadPixels(0, 0, kGlTestWidth, kGlTestHeight, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
  return frame;
}

struct Quad {
  Vec3 c00, c10, c01, c11;
  QuadPrimitive primitive;
};

// A grey, half-transparent picture.
Frame cleared() {
  glClearColor(0.25f, 0.25f, 0.25f, 0.5f);
  glClear(GL_COLOR_BUFFER_BIT);
  return readFrame();
}

// The frame after drawing `quad` over the cleared picture, with or without
// skipping dark cells.
Frame drawn(const Quad& quad, bool cells) {
  cleared();
  skipDarkCells = cells;
  drawTexturedQuad(quad.c00, quad.c10, quad.c01, quad.c11, quad.primitive, identityMatrix());
  skipDarkCells = true;
  return readFrame();
}

struct Comparison {
  int largestDifference = 0;  // in any colour channel
  int mostDifferingPixels = 0;  // in one frame
  int drawnWhole = 0;  // pixels whose alpha the draw changed
  int drawnByCells = 0;
  int drawnOnlyByCells = 0;
};

void compare(const Frame& whole, const Frame& cells, Comparison& result) {
  const Frame background = cleared();
  int differing = 0;
  for (std::size_t p = 0; p < whole.size(); p += 4) {
    int largest = 0;
    for (int c = 0; c < 3; ++c) largest = std::max(largest, std::abs(whole[p + c] - cells[p + c]));
    result.largestDifference = std::max(result.largestDifference, largest);
    differing += largest > 0;
    const bool byWhole = whole[p + 3] != background[p + 3];
    const bool byCells = cells[p + 3] != background[p + 3];
    result.drawnWhole += byWhole;
    result.drawnByCells += byCells;
    result.drawnOnlyByCells += byCells && !byWhole;
  }
  result.mostDifferingPixels = std::max(result.mostDifferingPixels, differing);
}

// A parallelogram about `centre`, half sizes `half` x `half * aspect`, turned
// by `degrees` in the x-y plane, then tipped by `tilt` degrees about x.
Quad turnedQuad(const Vec3& centre, float half, float aspect, float degrees, float tilt,
                QuadPrimitive primitive) {
  const float a = degrees * 3.14159265f / 180, t = tilt * 3.14159265f / 180;
  const Vec3 u = Vec3(std::cos(a), std::sin(a) * std::cos(t), std::sin(a) * std::sin(t)) * half;
  const Vec3 v = Vec3(-std::sin(a), std::cos(a) * std::cos(t), std::cos(a) * std::sin(t)) *
                 (half * aspect);
  return {centre - u - v, centre + u - v, centre - u + v, centre + u + v, primitive};
}

struct TexturedQuadGl : GlTest {
  void SetUp() override {
    GlTest::SetUp();
    enableCap(GL_TEXTURE_2D);
    enableCap(GL_BLEND);
    enableCap(GL_ALPHA_TEST);  // passing everything, as in the scene
    depthWrites(false);
  }
  void TearDown() override {
    depthWrites(true);
    glClearColor(0, 0, 0, 1);
  }

  static void pixelSpace() { setProjection(orthoMatrix(0, kGlTestWidth, 0, kGlTestHeight, -1, 1)); }
  static void perspective() { setProjection(frustumMatrix(-1, 1, -0.75f, 0.75f, 1, 1000)); }
};

TEST_F(TexturedQuadGl, CellsChangeNoPixelTheWholeQuadWouldNot) {
  const GLuint small = sparseTexture(64, 12, false, 1), large = sparseTexture(256, 40, false, 2);
  const GLuint alphaOnly = sparseTexture(64, 12, true, 3);
  std::mt19937 random(11);
  auto uniform = [&](float low, float high) {
    return low + (high - low) * float(random() % 10000) / 10000.0f;
  };
  Comparison additive, blended;
  for (int n = 0; n < 120; ++n) {
    const QuadPrimitive primitive = n % 2 ? QuadPrimitive::kQuads : QuadPrimitive::kQuadStrip;
    Quad quad;
    if (n % 3 == 2) {
      // In perspective, some reaching past the eye.
      perspective();
      const float half = std::exp(uniform(std::log(0.3f), std::log(40.0f)));
      const Vec3 centre(uniform(-2, 2), uniform(-1.5f, 1.5f), -uniform(2, 8));
      quad = turnedQuad(centre, half, uniform(0.5f, 2), uniform(0, 360), uniform(-75, 75),
                        primitive);
    } else {
      pixelSpace();
      const float half = std::exp(uniform(std::log(4.0f), std::log(800.0f)));
      quad = turnedQuad(Vec3(uniform(0, 64), uniform(0, 48), 0), half, uniform(0.5f, 2),
                        uniform(0, 360), 0, primitive);
    }
    // Culling keeps the whole quad's winding to its cells.
    if (n % 6 == 1) glEnable(GL_CULL_FACE);
    const bool blend = n % 5 == 4;
    bindTexture(blend ? alphaOnly : (n % 4 == 3 ? large : small));
    blendFunc(GL_SRC_ALPHA, blend ? GL_ONE_MINUS_SRC_ALPHA : GL_ONE);
    compare(drawn(quad, false), drawn(quad, true), blend ? blended : additive);
    glDisable(GL_CULL_FACE);
  }
  blendFunc(GL_SRC_ALPHA, GL_ONE);

  for (const Comparison* c : {&additive, &blended}) {
    EXPECT_LE(c->largestDifference, 2);
    EXPECT_LE(c->mostDifferingPixels, kGlTestWidth * kGlTestHeight / 1000);
    EXPECT_EQ(c->drawnOnlyByCells, 0);
  }
  // Most of what additive quads cover is dark: the cells leave it out.
  EXPECT_LT(additive.drawnByCells * 2, additive.drawnWhole);
}

TEST_F(TexturedQuadGl, AllLitTexturesDrawWholeAndAllDarkOnesNothing) {
  pixelSpace();
  blendFunc(GL_SRC_ALPHA, GL_ONE);
  const Quad quad = turnedQuad(Vec3(30, 20, 0), 200, 1, 30, 0, QuadPrimitive::kQuads);
  bindTexture(uniformTexture(200));
  EXPECT_EQ(drawn(quad, true), drawn(quad, false));

  bindTexture(uniformTexture(0));
  const Frame before = cleared();
  EXPECT_NE(drawn(quad, false), before);  // the whole quad adds alpha
  EXPECT_EQ(drawn(quad, true), before);

  // Under a texture matrix the grid does not hold: the quad is drawn whole.
  glMatrixMode(GL_TEXTURE);
  glScalef(2, 2, 1);
  glMatrixMode(GL_MODELVIEW);
  textureMatrixChanged();
  EXPECT_NE(drawn(quad, true), before);
  loadTextureIdentity();
}

}  // namespace
