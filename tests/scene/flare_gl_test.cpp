#include <gtest/gtest.h>

#include <cmath>

#include "camera/camera_director.h"
#include "data/texture_catalogue.h"
#include "gl/gl_driver.h"
#include "hostkit/egl_context.h"
#include "math/random.h"
#include "scene/flare.h"
#include "scene/parsers.h"
#include "tests/render/render_state.h"
#include "tests/support/gl_fixture.h"
#include "tests/support/scene_blocks.h"

namespace {

class FlareTest : public GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    // The scene's 4:3 frustum, camera at the origin looking down -z.
    setProjection(frustumMatrix(-4.0f / 3 * 40, 4.0f / 3 * 40, -40, 40, 80, 5000000));
    enableCap(GL_BLEND);  // on throughout the scene
    camera.eye = camera.position = Vec3(0, 0, 0);
    camera.forward = Vec3(0, 0, -1);
  }
  Flare* parse(const std::string& text) { return parseText<Flare>(objects, text); }

  // An opaque square at depth z (in front of the camera) over the whole view.
  static void drawWall(float z) {
    glBegin(GL_QUADS);
    glVertex3f(-1e5f, -1e5f, z);
    glVertex3f(1e5f, -1e5f, z);
    glVertex3f(1e5f, 1e5f, z);
    glVertex3f(-1e5f, 1e5f, z);
    glEnd();
    glClear(GL_COLOR_BUFFER_BIT);
  }

  static GLint stackDepth(GLenum which) {
    GLint depth = 0;
    glGetIntegerv(which, &depth);
    return depth;
  }

  RenderStateGuard guard;
  ObjectList objects;
  CameraDirector camera;
};

TEST_F(FlareTest, SizesAreKeptAsWrittenAndFadeSpeedsComeFromTheAlphaLine) {
  Flare* flare = parse("begin\nsize 50\nalpha 1 0.05 0.01\nalpha 1 fade: 0.05 0.01\nend\n");
  EXPECT_FLOAT_EQ(flare->size, 50.0f);
  EXPECT_FLOAT_EQ(flare->fadeIn, 3.0f);
  EXPECT_FLOAT_EQ(flare->fadeOut, 0.6f);

  // Lines with missing values keep what was there.
  Flare* sparse = parse("begin\nsize\nrotation 30\nflash\nfocus)\nend\n");
  EXPECT_FLOAT_EQ(sparse->size, 10.0f);
  EXPECT_FLOAT_EQ(sparse->angle, 30.0f);
  EXPECT_FLOAT_EQ(sparse->angularSpeed, 24.0f);
  EXPECT_FLOAT_EQ(sparse->flicker, 0.0f);
  EXPECT_TRUE(sparse->hasFocus);
  EXPECT_FLOAT_EQ(sparse->focusThreshold, 0.0f);
}

TEST_F(FlareTest, LensBlockTakesTheNextFourLinesWhateverTheyHold) {
  addCatalogueEntry("textures\\ring.jpg", 77);
  Flare* flare = parse(
      "begin\nlenseffect\n\tsize 4\n\ttexture textures\\none.jpg\nend\n\ttexture textures\\ring.jpg\n"
      "rotation 10 2\nend\nxy 5\n");
  textureCatalogue.deleteAll();

  EXPECT_TRUE(flare->lensEffect);
  EXPECT_FLOAT_EQ(flare->lensSize, 4.0f);
  EXPECT_EQ(flare->lensTextures[0], 0u);  // not in the catalogue
  EXPECT_EQ(flare->lensTextures[1], 0u);  // the "end" line taken as a lens line
  EXPECT_EQ(flare->lensTextures[2], 77u);
  EXPECT_FLOAT_EQ(flare->angle, 10.0f);
  EXPECT_FLOAT_EQ(flare->angularSpeed, 120.0f);
  EXPECT_FLOAT_EQ(flare->aspect, 1.0f);  // after the block's end
  EXPECT_EQ(flare->sights[0].fade, 0.0f);
}

TEST_F(FlareTest, TruncatedAndEmptyBlocksStillYieldOneFlare) {
  parse("begin\nsize 3\nlenseffect\n\tsize 2");
  parse("");
  parse("size 4\n");
  ASSERT_EQ(objects.size(), 3u);
  EXPECT_TRUE(static_cast<Flare*>(objects[0])->lensEffect);
  EXPECT_FLOAT_EQ(static_cast<Flare*>(objects[2])->size, 10.0f);  // no begin: nothing read
}

TEST_F(FlareTest, FadesInAndOutAtItsSpeedsAndWrapsItsAngle) {
  Flare* flare = parse("begin\nrotation 359 0.4\nend\n");
  flare->sights[0].unoccluded = true;
  flare->update(0.1);
  // 6 per second, then the flicker's brightening of 0.7 per second.
  EXPECT_NEAR(flare->sights[0].fade, 0.6f + 0.07f, 1e-5f);
  EXPECT_NEAR(flare->angle, 1.4f, 1e-4f);
  flare->update(0.1);
  EXPECT_NEAR(flare->sights[0].fade, 1.07f, 1e-5f);  // clamped to 1, then brightened

  flare->sights[0].unoccluded = false;
  flare->update(0.1);
  EXPECT_NEAR(flare->sights[0].fade, 0.47f + 0.07f, 1e-5f);
  flare->update(0.1);
  flare->update(0.1);
  EXPECT_EQ(flare->sights[0].fade, 0.0f);
  flare->update(0.1);
  EXPECT_EQ(flare->sights[0].fade, 0.0f);
}

TEST_F(FlareTest, FlickerCycleDrawsDimThenBrightDurations) {
  Flare* flare = parse("begin\nflash 2)\nend\n");
  seedRandom(99);
  const float dim = rand01() * 2.0f;
  const float bright = rand01() * 2.0f;
  seedRandom(99);
  flare->update(0.01);
  EXPECT_FLOAT_EQ(flare->dimUntil, dim * 6);
  EXPECT_FLOAT_EQ(flare->cycleEnd, (bright + dim) * 6);
  EXPECT_EQ(flare->flickerTime, 0.0f);

  // While the clock is below dimUntil the flare darkens even when visible.
  flare->sights[0].fade = 0.2f;
  flare->sights[0].unoccluded = true;
  flare->dimUntil = 100;
  flare->cycleEnd = 200;
  flare->update(0.1);
  EXPECT_NEAR(flare->sights[0].fade, 0.2f + 0.6f - 0.07f, 1e-5f);
}

TEST_F(FlareTest, EnvFlareSeesTheClearedFarValueAndIsHiddenByAnEarlierObject) {
  Flare* flare = parse("begin\nenv V(0 0 -1)\nend\n");
  glEnable(GL_DEPTH_TEST);
  flare->draw(camera);
  EXPECT_TRUE(flare->sights[0].unoccluded);
  EXPECT_FLOAT_EQ(flare->position.z, -1.0f);

  drawWall(-5000);
  flare->draw(camera);
  EXPECT_FALSE(flare->sights[0].unoccluded);
}

TEST_F(FlareTest, PositionedFlareIsOccludedByWhatLiesInFront) {
  Flare* flare = parse("begin\nposition V(0 0 -10000)\nend\n");
  glEnable(GL_DEPTH_TEST);
  drawWall(-20000);  // behind the flare
  flare->draw(camera);
  EXPECT_TRUE(flare->sights[0].unoccluded);
  drawWall(-5000);
  flare->draw(camera);
  EXPECT_FALSE(flare->sights[0].unoccluded);
}

// With occlusion queries each draw takes the answer of the previous draw's
// query (glFinish makes it ready).
TEST_F(FlareTest, OcclusionQueriesAnswerOneDrawLate) {
  struct EglHost : Host {
    void* glProcAddress(const char* name) override { return EglContext::procAddress(name); }
  } eglHost;
  struct DriverReset {
    ~DriverReset() { glDriver = GlDriver{}; }
  } reset;
  setHost(&eglHost);
  readGlDriver();
  ASSERT_TRUE(glDriver.queries.available());
  glEnable(GL_DEPTH_TEST);
  Flare* flare = parse("begin\nposition V(0 0 -10000)\nend\n");
  auto drawFinished = [&] {
    flare->draw(camera);
    glFinish();
    return flare->sights[0].unoccluded;
  };

  EXPECT_FALSE(drawFinished());  // no answer yet
  EXPECT_TRUE(drawFinished());
  drawWall(-5000);
  EXPECT_TRUE(drawFinished());  // the query before the wall
  EXPECT_FALSE(drawFinished());
  glClear(GL_DEPTH_BUFFER_BIT);
  EXPECT_FALSE(drawFinished());
  EXPECT_TRUE(drawFinished());

  // Behind the camera it is hidden at once; the query still out from
  // before is not taken when it comes back behind a wall.
  flare->position = Vec3(0, 0, 1000);
  EXPECT_FALSE(drawFinished());
  flare->position = Vec3(0, 0, -10000);
  drawWall(-5000);
  EXPECT_FALSE(drawFinished());
}

TEST_F(FlareTest, SourcesOffScreenOrBehindTheCameraCountAsOccluded) {
  Flare* aside = parse("begin\nposition V(100000 0 -1000)\nend\n");
  Flare* below = parse("begin\nposition V(0 -100000 -1000)\nend\n");
  Flare* behind = parse("begin\nposition V(0 0 1000)\nend\n");
  for (Flare* flare : {aside, below, behind}) {
    flare->sights[0].unoccluded = true;
    flare->draw(camera);
    EXPECT_FALSE(flare->sights[0].unoccluded);
  }
  Flare* env = parse("begin\nenv V(0 0 1)\nend\n");
  env->draw(camera);
  EXPECT_FALSE(env->sights[0].unoccluded);
}

TEST_F(FlareTest, AnchoredFlareSitsAtItsOffsetAlongTheAnchorsAxes) {
  MarkerObject* planet = new MarkerObject("planet");
  planet->position = Vec3(100, 200, 300);
  objects.add(planet);
  Flare* flare = parse("begin\nparent planet V(1 2 3)\nend\n");
  ASSERT_EQ(flare->anchor, planet);
  flare->draw(camera);
  // Default axes x (0 0 1), y (1 0 0): the offset's y is turned down.
  EXPECT_FLOAT_EQ(flare->position.x, 101);
  EXPECT_FLOAT_EQ(flare->position.y, 198);
  EXPECT_FLOAT_EQ(flare->position.z, 303);

  planet->xAxis = Vec3(1, 0, 0);
  planet->yAxis = Vec3(0, 1, 0);
  flare->draw(camera);
  EXPECT_FLOAT_EQ(flare->position.x, 103);
  EXPECT_FLOAT_EQ(flare->position.y, 201);
  EXPECT_FLOAT_EQ(flare->position.z, 298);

  // A parent that is not there: placed as if it stood at the origin.
  Flare* orphan = parse("begin\nposition V(9 9 9)\nparent moon V(1 2 3)\nend\n");
  EXPECT_EQ(orphan->anchor, nullptr);
  orphan->draw(camera);
  EXPECT_FLOAT_EQ(orphan->position.x, 1);
  EXPECT_FLOAT_EQ(orphan->position.y, -2);
  EXPECT_FLOAT_EQ(orphan->position.z, 3);
}

TEST_F(FlareTest, SpriteIsDrawnAtTheProjectedPixelWithItsHalfSize) {
  Flare* flare = parse("begin\nposition V(0 0 -1000)\nsize 125\nrotation 0 0\nend\n");  // 10 px here
  flare->sights[0].fade = 1;
  flare->draw(camera);
  EXPECT_GT(readPixel(32, 24).r, 250);
  EXPECT_GT(readPixel(41, 24).r, 250);
  EXPECT_EQ(readPixel(43, 24).r, 0);
  EXPECT_EQ(readPixel(32, 35).r, 0);
}

TEST_F(FlareTest, FocusThresholdHidesTheFlareUnlessTheCameraLooksAlongIt) {
  Flare* flare = parse("begin\nenv V(0 0 -1)\nfocus 0.9)\nend\n");
  flare->sights[0].fade = 1;
  flare->draw(camera);
  EXPECT_GT(readPixel(32, 24).r, 250);

  glClear(GL_COLOR_BUFFER_BIT);
  const float away = 30.0f * 3.14159265f / 180.0f;
  camera.forward = Vec3(std::sin(away), 0, -std::cos(away));
  flare->draw(camera);
  EXPECT_EQ(readPixel(32, 24).r, 0);

  glClear(GL_COLOR_BUFFER_BIT);
  const float near = 20.0f * 3.14159265f / 180.0f;
  camera.forward = Vec3(std::sin(near), 0, -std::cos(near));
  flare->draw(camera);
  const int expected = int(255 * (std::cos(near) - 0.9f) / 0.1f);
  EXPECT_NEAR(readPixel(32, 24).r, expected, 3);
}

TEST_F(FlareTest, LensEffectIsSkippedAtTheScreenCentreAndDrawnElsewhere) {
  Flare* centred = parse("begin\nposition V(0 0 -1000)\nlenseffect\n\tsize 1\n\t\n\t\n\t\nend\n");
  centred->sights[0].fade = 1;
  centred->draw(camera);
  EXPECT_EQ(readPixel(2, 2).r, 0);  // only the sprite

  glClear(GL_COLOR_BUFFER_BIT);
  Flare* aside = parse("begin\nposition V(300 200 -1000)\nlenseffect\n\tsize 1\n\t\n\t\n\t\nend\n");
  aside->sights[0].fade = 1;
  aside->draw(camera);
  EXPECT_GT(readPixel(2, 2).r, 20);  // the large rings cover the screen
}

TEST_F(FlareTest, LeavesLightingDepthTestBlendAndMatricesAsTheSceneExpects) {
  // Off the screen centre, so the lens effect draws.
  Flare* flare =
      parse("begin\nenv V(0.02 0.01 -1)\nlenseffect\n\tsize 1\n\t\n\t\n\t\norient V(1 2 0)\nend\n");
  flare->sights[0].fade = 1;
  const GLint modelview = stackDepth(GL_MODELVIEW_STACK_DEPTH);
  const GLint projection = stackDepth(GL_PROJECTION_STACK_DEPTH);
  GLfloat before[16];
  glMatrixMode(GL_PROJECTION);
  glGetFloatv(GL_PROJECTION_MATRIX, before);
  glMatrixMode(GL_TEXTURE);
  glScalef(2, 2, 2);
  glMatrixMode(GL_MODELVIEW);

  flare->draw(camera);

  EXPECT_EQ(stackDepth(GL_MODELVIEW_STACK_DEPTH), modelview);
  EXPECT_EQ(stackDepth(GL_PROJECTION_STACK_DEPTH), projection);
  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_MODELVIEW);
  GLfloat texture[16], after[16];
  glGetFloatv(GL_TEXTURE_MATRIX, texture);
  glGetFloatv(GL_PROJECTION_MATRIX, after);
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(texture[i], i % 5 == 0 ? 1.0f : 0.0f);
    EXPECT_EQ(after[i], before[i]);
  }
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  GLint source = 0, destination = 0;
  glGetIntegerv(GL_BLEND_SRC, &source);
  glGetIntegerv(GL_BLEND_DST, &destination);
  EXPECT_EQ(source, GL_SRC_ALPHA);
  EXPECT_EQ(destination, GL_ONE);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

}  // namespace
