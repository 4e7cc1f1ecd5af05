#include <gtest/gtest.h>

#include "camera/camera_director.h"
#include "scene/flame.h"
#include "scene/parsers.h"
#include "tests/support/gl_fixture.h"
#include "tests/support/scene_blocks.h"

namespace {

class FlameTest : public GlTest {
 protected:
  Flame* parse(const std::string& text) { return parseText<Flame>(objects, text); }

  ObjectList objects;
  CameraDirector camera;
};

TEST_F(FlameTest, RadiusComesFromTheSizeLinePlus2000) {
  EXPECT_FLOAT_EQ(parse("begin\nend\n")->ringRadius, 0.8f);
  EXPECT_FLOAT_EQ(parse("begin\nsize 0\nend\n")->ringRadius, 2000.0f);
  EXPECT_FLOAT_EQ(parse("begin\nsize 5\nend\n")->ringRadius, 2005.0f);
  Flame* sparse = parse("begin\nsize\norient V(1 2)\nell\nend\n");
  EXPECT_FLOAT_EQ(sparse->ringRadius, 0.8f);
  EXPECT_FLOAT_EQ(sparse->ringCentre.x, 0.0f);
  EXPECT_FLOAT_EQ(sparse->ellipticity, 1.0f);

  MarkerObject* ship = new MarkerObject("ship");
  objects.add(ship);
  EXPECT_EQ(parse("begin\nparent ship\nend\n")->anchor, ship);
  EXPECT_EQ(parse("begin\nparent boat\nend\n")->anchor, nullptr);
}

TEST_F(FlameTest, SlopeRaisesTheRingByItsAbsoluteX) {
  // Seen from the front the ring is the segment y = 0.1 x + 5 from
  // x = 100 - 3000 to x = 100 + 3000; 125 units a pixel across, 25 up.
  Flame* flame = parse("begin\nsize 0\nangle 0.1\nell 1.5\norient V(100 5 -50)\nend\n");
  glMatrixMode(GL_PROJECTION);
  glOrtho(-4000, 4000, -600, 600, -4000, 4000);
  glMatrixMode(GL_MODELVIEW);
  flame->draw(camera);

  struct Rows {
    int first, last;
  };
  auto litRows = [](int column) {
    Rows rows{-1, -1};
    for (int row = 0; row < kGlTestHeight; ++row)
      if (readPixel(column, row).r > 128) {
        if (rows.first < 0) rows.first = row;
        rows.last = row;
      }
    return rows;
  };
  // Column 50 is at x = 2312.5: y = 236.25, row 33.45.
  const auto atRight = litRows(50);
  EXPECT_GE(atRight.first, 32);
  EXPECT_LE(atRight.last, 34);
  // Column 9 is at x = -2812.5, just inside the left end: y = -276.25, row 12.95.
  const auto atLeft = litRows(9);
  EXPECT_GE(atLeft.first, 11);
  EXPECT_LE(atLeft.last, 14);
  EXPECT_EQ(litRows(58).first, -1);  // beyond 3100
}

TEST_F(FlameTest, BandsAddLightWhateverBlendingWasLeftBehind) {
  Flame* flame = parse("begin\nend\n");
  glMatrixMode(GL_PROJECTION);
  glOrtho(-1.2, 1.2, -0.9, 0.9, -10, 10);
  glMatrixMode(GL_MODELVIEW);
  glRotatef(90, 1, 0, 0);  // look down on the ring
  GLint depthBefore = 0, depthAfter = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
  flame->draw(camera);
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);

  // Near the outer band's transparent edge: mostly blue, but faint.
  const Pixel edge = readPixel(57, 24);
  EXPECT_GT(edge.b, 10);
  EXPECT_LT(edge.b, 100);
  EXPECT_EQ(readPixel(32, 24).b, 0);  // the middle of the ring stays dark

  EXPECT_EQ(depthAfter, depthBefore);
  for (GLenum on : {GL_BLEND, GL_TEXTURE_2D, GL_LIGHTING}) EXPECT_TRUE(glIsEnabled(on)) << on;
  GLboolean depthWrites = GL_FALSE;
  glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
  EXPECT_TRUE(depthWrites);
  GLint source = 0, destination = 0;
  glGetIntegerv(GL_BLEND_SRC, &source);
  glGetIntegerv(GL_BLEND_DST, &destination);
  EXPECT_EQ(source, GL_SRC_ALPHA);
  EXPECT_EQ(destination, GL_ONE);
}

}  // namespace
