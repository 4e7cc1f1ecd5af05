#include "scene/billboard.h"

#include <set>
#include <string>

#include "scene/parsers.h"
#include "scene/sphere.h"
#include "tests/support/object_text.h"
#include "tests/support/scene_gl.h"

namespace {

class BillboardGl : public GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    setFrameState();
    setFrameView(camera, Vec3(30, 0, 0), Vec3(-1, 0, 0), Vec3(0, 1, 0));
  }

  Billboard& parse(const std::string& block) {
    ObjectText file(block);
    parseBillboard(objects);
    return *static_cast<Billboard*>(objects.back());
  }

  void expectLeftState(const MatrixStacks& before) {
    EXPECT_TRUE(isEnabled(GL_LIGHTING));
    EXPECT_TRUE(isEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(depthWritesOn());
    expectAdditiveBlend();
    EXPECT_EQ(glInteger(GL_ALPHA_TEST_FUNC), GL_ALWAYS);
    EXPECT_TRUE(textureMatrixIsIdentity());
    EXPECT_TRUE(MatrixStacks::now() == before);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  }

  Pixel centre() { return readPixel(kGlTestWidth / 2, kGlTestHeight / 2); }

  CameraDirector camera;
  ObjectList objects;
};

}  // namespace

TEST_F(BillboardGl, FacesTheCameraUnlessItsOrientationIsFixed) {
  CatalogueTexture white("textures\\w.jpg", 255, 255, 255);
  Billboard& facing = parse("begin\nsize 2\nrotation 0 0\ntexture textures\\w.jpg\nend\n");
  const MatrixStacks before = MatrixStacks::now();
  facing.draw(camera);
  EXPECT_EQ(centre().r, 255);
  EXPECT_EQ(readPixel(2, 2).r, 0);
  EXPECT_NEAR(dot(facing.rightAxis, camera.forward), 0.0f, 1e-5f);
  EXPECT_NEAR(dot(facing.upAxis, camera.forward), 0.0f, 1e-5f);
  EXPECT_NEAR(facing.upAxis.y, 1.0f, 1e-5f);
  expectLeftState(before);

  // Fixed in the x-y plane, it is seen edge on from +x.
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  Billboard& fixed =
      parse("begin\nsize 2\nrotation 0 0\norient off\ntexture textures\\w.jpg\nend\n");
  fixed.draw(camera);
  EXPECT_EQ(centre().r, 0);
  EXPECT_EQ(fixed.rightAxis.x, 1.0f);
}

TEST_F(BillboardGl, BlinkHidesTheFirstSecondOfEveryThreeSecondCycle) {
  Billboard& b = parse("begin\nsize 2\nrotation 0 0\nflash 0 1 2)\nend\n");
  const auto shownAfter = [&](double dt) {
    b.update(dt);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    b.draw(camera);
    return centre().r == 255;
  };
  EXPECT_FALSE(shownAfter(0.0));
  EXPECT_FALSE(shownAfter(0.9));
  EXPECT_TRUE(shownAfter(0.2));
  EXPECT_TRUE(shownAfter(1.8));   // 2.9 s
  EXPECT_FALSE(shownAfter(0.2));  // 3.1 s: 0.1 s into the next cycle
}

TEST_F(BillboardGl, HaloLiesOnTheSilhouetteOfItsSphere) {
  setFrameView(camera, Vec3(0, 0, 20), Vec3(0, 0, -1), Vec3(0, 1, 0));
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-32, 32, -24, 24, -100, 100);  // one unit a pixel
  glMatrixMode(GL_MODELVIEW);
  Billboard& halo = parse("begin\noreol V(0 0 0) 10\nsize 2\nrotation 0 0\nend\n");
  const MatrixStacks before = MatrixStacks::now();
  halo.draw(camera);
  EXPECT_NEAR(halo.position.z, 5.0f, 1e-5f);  // 5 units from the centre
  // Half-size 0.75 x 10 + 0.5 x 2 = 8.5 units about the middle.
  for (int x : {32 - 7, 32, 32 + 7}) EXPECT_EQ(readPixel(x, 24).r, 255) << x;
  for (int x : {32 - 10, 32 + 10}) EXPECT_EQ(readPixel(x, 24).r, 0) << x;
  EXPECT_EQ(readPixel(32, 24 + 7).r, 255);
  EXPECT_EQ(readPixel(32, 24 + 10).r, 0);
  expectLeftState(before);
}

TEST_F(BillboardGl, AnchoredBillboardFloatsAboveItsAnchorAndFlickers) {
  {
    ObjectText file("begin sun\norbit\nposition V(0 0 3)\nend\n");
    resetSphereParseState();
    parseSphere(objects);
  }
  Billboard& b = parse("begin\nparent sun V(9 4 9)\nalpha 0.5\ncolor V(1 0 0)\nend\n");
  std::set<float> alphas;
  for (int i = 0; i < 10; ++i) {
    b.draw(camera);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[1], 0.0f);
    EXPECT_GE(colour[3], 0.5f);
    EXPECT_LE(colour[3], 0.8f);
    alphas.insert(colour[3]);
  }
  EXPECT_GT(alphas.size(), 1u);
  EXPECT_FLOAT_EQ(b.position.y, 4.0f);  // only the offset's y, along the camera's up
  EXPECT_FLOAT_EQ(b.position.z, 3.0f);
  EXPECT_FLOAT_EQ(b.position.x, 0.0f);

  // Without a found anchor it keeps its own place and colour.
  Billboard& lost = parse("begin\nparent moon V(0 4 0)\nsys\nposition V(1 2 3)\nend\n");
  lost.draw(camera);
  EXPECT_FLOAT_EQ(lost.position.y, 2.0f);
  EXPECT_FLOAT_EQ(lost.upAxis.y, 1.0f);
}

TEST_F(BillboardGl, EachFlagGivesBackTheStateItChanged) {
  {
    ObjectText file("begin sun\norbit\nposition V(0 0 3)\nend\n");
    parseSphere(objects);
  }
  const char* blocks[] = {
      "begin\nblend\nend\n",
      "begin\ndepth\nend\n",
      "begin\nenv V(0 0 -50)\nend\n",
      "begin\noreol V(0 0 0) 3\nend\n",
      "begin\nparent sun V(0 1 0)\nsys\nend\n",
      "begin\nparent sun V(0 1 0)\nsys\norient off\nend\n",
  };
  for (const char* block : blocks) {
    SCOPED_TRACE(block);
    Billboard& b = parse(block);
    glAlphaFunc(GL_ALWAYS, 0);
    const MatrixStacks before = MatrixStacks::now();
    b.draw(camera);
    expectLeftState(before);
  }
}

TEST_F(BillboardGl, EnvBillboardStandsOffTheEyeInItsOwnFrustum) {
  // The scene's projection would put the quad behind the near plane.
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-1, 1, -1, 1, 100, 200);
  glMatrixMode(GL_MODELVIEW);
  Billboard& b = parse("begin\nenv V(-50 0 0)\nsize 2\nrotation 0 0\nend\n");
  b.draw(camera);
  EXPECT_FLOAT_EQ(b.position.x, -20.0f);
  // Half-height 2 at distance 50 in a frustum 5 high there: 9.6 pixels.
  EXPECT_EQ(centre().r, 255);
  EXPECT_EQ(readPixel(32, 24 + 8).r, 255);
  EXPECT_EQ(readPixel(32, 24 + 11).r, 0);
}
