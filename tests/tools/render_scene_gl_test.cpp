#include <cstdio>
#include <string>
#include <vector>

#include "data/texture_catalogue.h"
#include "host/host.h"
#include "render/frame.h"
#include "render/session.h"
#include "render/views.h"
#include "scene/world.h"
#include "tests/data/data_fixtures.h"
#include "tests/render/render_state.h"
#include "tests/support/gl_fixture.h"
#include "tests/support/scene_start.h"
#include "tests/support/temp_dir.h"
#include "tools/render/scene_run.h"

namespace {

RarMember imageMember(const std::string& name, unsigned char r, unsigned char g,
                      unsigned char b) {
  return {name, jpegFile(16, 16, 3, filled(16, 16, {r, g, b}))};
}

// A glowing square at the origin, where the camera always looks.
std::string squareAtOrigin(const char* texture) {
  return std::string("billboard\nbegin\nposition V(0 0 0)\nsize 30000\ntexture textures\\") +
         texture + "\nend\nENDWORLD\n";
}

std::vector<RarMember> sceneMembers(const std::string& worlds) {
  return {imageMember("textures\\load.jpg", 40, 40, 90),
          imageMember("textures\\sign.jpg", 90, 40, 40),
          imageMember("textures\\red.jpg", 255, 0, 0),
          imageMember("textures\\green.jpg", 0, 255, 0),
          textMember("texture.txt", "red.jpg\ngreen.jpg\nEND_TEXT\n"),
          textMember("env.txt", "env space\nend\nENV_END\n"),
          textMember("worlds.txt", worlds),
          textMember("red.txt", squareAtOrigin("red.jpg")),
          textMember("green.txt", squareAtOrigin("green.jpg"))};
}

struct RenderSceneGl : GlTest {
  RenderStateGuard guard;

  // Starts the scene on the test's context and renders `frames` frames.
  Pixel centreAfterStart(const std::string& worlds, int frames = 3) {
    ArchiveFixture archive(sceneMembers(worlds));
    startTestScene(7);
    framesThisSecond = 0;
    for (int i = 0; i < frames; ++i) makeFrame(0.05);
    return readPixel(kGlTestWidth / 2, kGlTestHeight / 2);
  }
  void TearDown() override { endScene(); }
};

TEST_F(RenderSceneGl, ShowsTheWorldNamedWorld) {
  const Pixel p = centreAfterStart(
      "world first\nenv space\nobjects green.txt\nend\n"
      "world world\nenv space\nobjects red.txt\nsystem\nend\nWORLD_END\n");
  ASSERT_NE(currentWorld, nullptr);
  EXPECT_STREQ(currentWorld->name, "world");
  EXPECT_GT(p.r, 200);
  EXPECT_LT(p.g, 40);
  EXPECT_EQ(framesThisSecond, 3u);
}

// A frame of a minute or an hour (a sleep, a stalled machine) and ordinary
// frames after it: the camera stays among the scene's keys, looking at it.
TEST_F(RenderSceneGl, ALongFrameLeavesTheFlightInTheScene) {
  const std::string worlds = "world world\nenv space\nobjects red.txt\nsystem\nend\nWORLD_END\n";
  for (const double pause : {60.0, 3600.0}) {
    ArchiveFixture archive(sceneMembers(worlds));
    startTestScene(3);
    for (int i = 0; i < 20; ++i) {
      makeFrame(i == 10 ? pause : 0.05);
      EXPECT_LT(length(views[0].camera.eye), 100000.0f) << pause << " s, frame " << i;
    }
    EXPECT_GT(readPixel(kGlTestWidth / 2, kGlTestHeight / 2).r, 200) << pause << " s";
    endScene();
  }
}

TEST_F(RenderSceneGl, WithoutAWorldNamedWorldTheFirstIsShown) {
  const Pixel p = centreAfterStart(
      "world first\nenv space\nobjects green.txt\nend\n"
      "world second\nenv space\nobjects red.txt\nend\nWORLD_END\n");
  EXPECT_GT(p.g, 200);
  EXPECT_LT(p.r, 40);
}

TEST_F(RenderSceneGl, NoWorldsGiveBlackFrames) {
  const Pixel p = centreAfterStart("WORLD_END\n");
  EXPECT_EQ(currentWorld, nullptr);
  EXPECT_EQ(p.r + p.g + p.b, 0);
  EXPECT_EQ(framesThisSecond, 0u);
}

// A host that is told to end while the scene loads cancels the loading: the
// step in progress finishes, nothing after it is loaded.
TEST_F(RenderSceneGl, CancelledLoadingStopsAfterTheStepInProgress) {
  ArchiveFixture archive(sceneMembers(
      "world world\nenv space\nobjects red.txt\nobjects green.txt\nend\nWORLD_END\n"));
  struct EndingHost : Host {
    int steps = 0;
    void loadingStep() override { ++steps; }
    bool loadingCancelled() override { return steps >= 1; }
  } ending;
  setHost(&ending);
  loadScene();
  setHost(nullptr);
  EXPECT_EQ(ending.steps, 1);
  EXPECT_EQ(textureCatalogue.size(), 1u);
  ASSERT_EQ(worlds.size(), 1u);
  EXPECT_TRUE(worlds.front()->objects.empty());
}

}  // namespace
