#include "render/hud.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "data/texture_catalogue.h"
#include "gl/gl_state.h"
#include "tests/render/render_state.h"
#include "tests/support/gl_fixture.h"

namespace {

struct Corner {
  float x, y, s, t;
};
using Polygon = std::vector<Corner>;

bool near(float a, float b) { return std::fabs(a - b) < 0.01f; }

// The corners of an axis-aligned quad, ordered bottom-left, bottom-right,
// top-right, top-left.
Polygon orderedCorners(const Polygon& corners) {
  Polygon unique;
  for (const Corner& c : corners) {
    bool seen = false;
    for (const Corner& u : unique) seen = seen || (near(u.x, c.x) && near(u.y, c.y));
    if (!seen) unique.push_back(c);
  }
  if (unique.size() != 4) return unique;
  float left = unique[0].x, bottom = unique[0].y;
  for (const Corner& c : unique) {
    left = std::min(left, c.x);
    bottom = std::min(bottom, c.y);
  }
  Polygon ordered(4);
  for (const Corner& c : unique) {
    const bool isLeft = near(c.x, left), isBottom = near(c.y, bottom);
    ordered[isBottom ? (isLeft ? 0 : 1) : (isLeft ? 3 : 2)] = c;
  }
  return ordered;
}

// Runs `draw` in feedback mode and returns the quads it drew (the driver may
// hand them back as pairs of triangles), in window coordinates: the
// overlay's units with an 800 x 600 viewport.
template <typename Draw>
std::vector<Polygon> capturePolygons(Draw draw) {
  std::vector<GLfloat> buffer(1 << 16);
  glFeedbackBuffer(GLsizei(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  const GLint count = glRenderMode(GL_RENDER);
  std::vector<Polygon> quads;
  Polygon pending;
  // Each vertex: x y z, r g b a, s t r q.
  for (GLint i = 0; i < count;) {
    const GLenum token = GLenum(buffer[std::size_t(i++)]);
    if (token != GL_POLYGON_TOKEN) {
      ADD_FAILURE() << "unexpected feedback token " << token;
      break;
    }
    const int n = int(buffer[std::size_t(i++)]);
    for (int v = 0; v < n; ++v, i += 11) {
      const GLfloat* f = &buffer[std::size_t(i)];
      pending.push_back({f[0], f[1], f[7] / f[10], f[8] / f[10]});
    }
    if (pending.size() >= 4 && orderedCorners(pending).size() == 4) {
      quads.push_back(orderedCorners(pending));
      pending.clear();
    }
  }
  EXPECT_TRUE(pending.empty()) << "a polygon that is not a quad";
  return quads;
}

float minX(const Polygon& p) {
  float x = p[0].x;
  for (const Corner& c : p) x = std::min(x, c.x);
  return x;
}

struct HudGl : GlTest {
  RenderStateGuard guard;

  void SetUp() override {
    GlTest::SetUp();
    glState.view = {0, 0, 800, 600};
    textureCatalogue.deleteAll();
    buildGlyphFont();
  }
  void TearDown() override { textureCatalogue.deleteAll(); }
};

TEST_F(HudGl, GlyphListsAreCellsOfTheGridWithA28UnitAdvance) {
  const std::vector<Polygon> quads = capturePolygons([] {
    pushOverlay800x600(OverlayAnchor::kTopLeft);
    drawGlyphText(4, 558, "1;<");
    popOverlay();
  });
  ASSERT_EQ(quads.size(), 3u);
  const float expectedX[] = {4, 32, 60};
  // '1' is cell 1 (column 1, top row); ';' cell 11 (column 3, row 2); '<' cell 12.
  const float s0[] = {0.25f, 0.75f, 0.0f};
  const float t0[] = {0.0f, 0.5f, 0.75f};
  for (std::size_t g = 0; g < 3; ++g) {
    const Polygon& q = quads[g];
    ASSERT_EQ(q.size(), 4u);
    EXPECT_NEAR(q[0].x, expectedX[g], 0.01);
    EXPECT_NEAR(q[0].y, 558, 0.01);
    EXPECT_NEAR(q[2].x, expectedX[g] + 40, 0.01);
    EXPECT_NEAR(q[2].y, 598, 0.01);
    EXPECT_FLOAT_EQ(q[0].s, s0[g]);
    EXPECT_FLOAT_EQ(q[0].t, 1 - t0[g] - 0.25f);
    EXPECT_FLOAT_EQ(q[2].s, s0[g] + 0.25f);
    EXPECT_FLOAT_EQ(q[2].t, 1 - t0[g]);
  }
}

TEST_F(HudGl, FpsCounterStartsAtTheTopLeft) {
  auto fps = [](std::uint32_t count) {
    return capturePolygons([count] {
      pushOverlay800x600(OverlayAnchor::kTopLeft);
      drawFps(count);
      popOverlay();
    });
  };
  ASSERT_EQ(fps(0).size(), 1u);
  const std::vector<Polygon> digits = fps(123);
  ASSERT_EQ(digits.size(), 3u);
  EXPECT_NEAR(minX(digits[0]), 4, 0.01);
  EXPECT_NEAR(minX(digits[2]), 60, 0.01);
  EXPECT_NEAR(digits[0][0].y, 558, 0.01);
}

TEST_F(HudGl, ClockSitsAtTheBottomRightInBothForms) {
  struct FixedClock : Host {
    LocalTime localTime() override { return {14, 5, 9}; }
  } clock;
  setHost(&clock);
  settings.TimeFormat = true;
  std::vector<Polygon> glyphs = capturePolygons(drawClock);
  ASSERT_EQ(glyphs.size(), 9u);
  EXPECT_NEAR(minX(glyphs[0]), 525, 0.01);
  EXPECT_NEAR(glyphs[0][0].y, 2, 0.01);
  EXPECT_NEAR(minX(glyphs[8]) + 40, 789, 0.01);
  EXPECT_FLOAT_EQ(glyphs[8][0].s, 0.0f);  // '<' is cell 12: column 0, bottom row
  EXPECT_FLOAT_EQ(glyphs[8][0].t, 0.0f);

  settings.TimeFormat = false;
  glyphs = capturePolygons(drawClock);
  ASSERT_EQ(glyphs.size(), 8u);
  EXPECT_NEAR(minX(glyphs[7]) + 40, 761, 0.01);
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(HudGl, TextOutsideTheFontCallsNoOtherList) {
  // A display list right below the font would be called for a space.
  const GLuint stray = glGenLists(1);
  glNewList(stray, GL_COMPILE);
  glRectf(0, 0, 5, 5);
  glEndList();
  const std::vector<Polygon> quads = capturePolygons([] {
    pushOverlay800x600(OverlayAnchor::kTopLeft);
    drawGlyphText(0, 0, "1 x\x7f=2");
    popOverlay();
  });
  glDeleteLists(stray, 1);
  ASSERT_EQ(quads.size(), 2u);
  EXPECT_NEAR(minX(quads[1]), 28, 0.01);
}

TEST_F(HudGl, MissingGlyphImageDrawsWhiteSquares) {
  glClear(GL_COLOR_BUFFER_BIT);
  glState.view = {0, 0, kGlTestWidth, kGlTestHeight};
  pushOverlay800x600(OverlayAnchor::kTopLeft);
  drawFps(8);
  popOverlay();
  EXPECT_EQ(glyphTexture, 0u);
  // The glyph covers x 4-44, y 558-598 of 800 x 600: pixel (2, 46) of 64 x 48.
  const Pixel inside = readPixel(2, 46);
  EXPECT_EQ(inside.r + inside.g + inside.b, 3 * 255);
  const Pixel outside = readPixel(32, 20);
  EXPECT_EQ(outside.r + outside.g + outside.b, 0);
}

TEST_F(HudGl, LoadingScreenDrawsTwoCentredQuads) {
  signImage.glTexture = 0;
  loadingImage.glTexture = 0;
  const std::vector<Polygon> quads = capturePolygons(drawLoadingScreen);
  ASSERT_EQ(quads.size(), 2u);
  const Corner sign[] = {{290, 240, 0, 0}, {510, 240, 1, 0}, {510, 460, 1, 1}, {290, 460, 0, 1}};
  const Corner load[] = {{300, 40, 0, 0}, {500, 40, 1, 0}, {500, 240, 1, 1}, {300, 240, 0, 1}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(quads[0][std::size_t(i)].x, sign[i].x, 0.01);
    EXPECT_NEAR(quads[0][std::size_t(i)].y, sign[i].y, 0.01);
    EXPECT_FLOAT_EQ(quads[0][std::size_t(i)].s, sign[i].s);
    EXPECT_FLOAT_EQ(quads[0][std::size_t(i)].t, sign[i].t);
    EXPECT_NEAR(quads[1][std::size_t(i)].x, load[i].x, 0.01);
    EXPECT_NEAR(quads[1][std::size_t(i)].y, load[i].y, 0.01);
  }
}

}  // namespace
