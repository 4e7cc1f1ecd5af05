#include "render/frame.h"

#include <cmath>
#include <string>
#include <vector>

#include "camera/camera_director.h"
#include "gl/gl_state.h"
#include "host/host.h"
#include "render/session.h"
#include "render/stopwatch.h"
#include "render/views.h"
#include "scene/world.h"
#include "tests/render/render_state.h"
#include "tests/support/gl_fixture.h"

namespace {

std::vector<std::string> events;

// Notes its updates and draws, and what the modelview matrix was at the draw.
class RecordingObject : public SceneObject {
 public:
  explicit RecordingObject(const char* label) { setName(label); }
  void draw(CameraDirector&) override {
    events.push_back(std::string("draw ") + name);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelviewAtDraw);
    if (messWithTextureMatrix) {
      glMatrixMode(GL_TEXTURE);
      glTranslatef(0.5f, 0, 0);
      glMatrixMode(GL_MODELVIEW);
    }
  }
  void update(double seconds) override {
    events.push_back(std::string("update ") + name);
    lastUpdate = seconds;
  }
  float modelviewAtDraw[16] = {};
  double lastUpdate = -1;
  bool messWithTextureMatrix = false;
};

// Makes a recording object at the end of `list`.
RecordingObject& addRecording(ObjectList& list, const char* label) {
  auto* object = new RecordingObject(label);
  list.add(object);
  return *object;
}

// Counts the seconds the frame tells its host have passed.
struct SecondCounter : Host {
  int seconds = 0;
  void secondPassed() override { ++seconds; }
};

// A red quad over the whole viewport, depth off, to see what a clear removes.
void paintRed() {
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glColor4f(1, 0, 0, 1);
  glRectf(-1, -1, 1, 1);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
}

std::vector<float> transformByModelview(const float m[16], const float v[4]) {
  std::vector<float> out(4);
  for (int row = 0; row < 4; ++row)
    out[std::size_t(row)] =
        m[row] * v[0] + m[4 + row] * v[1] + m[8 + row] * v[2] + m[12 + row] * v[3];
  return out;
}

void expectNear(const std::vector<float>& actual, const std::vector<float>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i)
    EXPECT_NEAR(actual[i], expected[i], 1e-3f * (1 + std::fabs(expected[i]))) << i;
}

struct FrameGl : GlTest {
  RenderStateGuard guard;
  SecondCounter counter;
  ObjectList firstPass, postPass;
  World world;
  RecordingObject& sky = addRecording(firstPass, "sky");
  RecordingObject& planet = addRecording(world.objects, "planet");
  RecordingObject& moon = addRecording(world.objects, "moon");
  RecordingObject& glow = addRecording(postPass, "glow");

  void SetUp() override {
    GlTest::SetUp();
    reshapeScene(kGlTestWidth, kGlTestHeight);
    settings.ShowFPS = false;
    settings.ShowClock = false;
    setHost(&counter);
    initGlState();
    world.firstPass = &firstPass;
    world.postPass = &postPass;
    currentWorld = &world;
    firstPassList.clear();
    worldObjectList.clear();
    postPassList.clear();
    framesThisSecond = 0;
    shownFps = 0;
    fpsStopwatch.start();
    views[0].camera.eye = {10, 20, 300};
    views[0].camera.forward = {0, 0, -1};
    views[0].camera.up = {0, 1, 0};
    events.clear();
  }
  void TearDown() override {
    currentWorld = nullptr;
    firstPassList.clear();
    worldObjectList.clear();
    postPassList.clear();
  }
};

TEST_F(FrameGl, UpdatesThenDrawsEveryListInOrder) {
  speedFactor = 1.5f;
  renderFrame();  // fills the active lists, as the saver's first frame does
  events.clear();
  makeFrame(0.25);
  EXPECT_EQ(events, (std::vector<std::string>{"update sky", "update planet", "update moon",
                                              "update glow", "draw sky", "draw planet",
                                              "draw moon", "draw glow"}));
  EXPECT_EQ(planet.lastUpdate, 0.25);  // objects move in real time
}

TEST_F(FrameGl, ObjectsDrawUnderTheLookAtViewAndTheFrameLeavesIt) {
  renderFrame();
  float view[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, view);
  // Looking down -z from (10, 20, 300): a translation by -eye.
  const float expected[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, -10, -20, -300, 1};
  for (int i = 0; i < 16; ++i) {
    EXPECT_FLOAT_EQ(view[i], expected[i]) << i;
    EXPECT_FLOAT_EQ(planet.modelviewAtDraw[i], expected[i]) << i;
  }
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
}

TEST_F(FrameGl, LightsArePlacedInTheWorld) {
  views[0].camera.eye = {100, -50, 2000};
  views[0].camera.forward = {0.6f, 0, -0.8f};
  views[0].camera.up = {0, 1, 0};
  const GLfloat origin[] = {0, 0, 0, 1}, farZ[] = {0, 0, 1000000, 1};
  float view[16];

  world.system = true;
  const GLfloat marker[] = {7, 7, 7, 1};
  glLightfv(GL_LIGHT0, GL_POSITION, marker);
  renderFrame();
  glGetFloatv(GL_MODELVIEW_MATRIX, view);
  std::vector<float> light1(4), light0(4);
  glGetLightfv(GL_LIGHT1, GL_POSITION, light1.data());
  glGetLightfv(GL_LIGHT0, GL_POSITION, light0.data());
  expectNear(light1, transformByModelview(view, origin));
  expectNear(light0, {7, 7, 7, 1});  // a system world leaves light 0 where it was

  world.system = false;
  renderFrame();
  glGetLightfv(GL_LIGHT1, GL_POSITION, light1.data());
  glGetLightfv(GL_LIGHT0, GL_POSITION, light0.data());
  expectNear(light1, transformByModelview(view, farZ));
  expectNear(light0, transformByModelview(view, farZ));
}

TEST_F(FrameGl, WorldWithoutEnvironmentHasEmptyPassLists) {
  renderFrame();
  ASSERT_EQ(firstPassList.size(), 1u);
  world.firstPass = nullptr;
  world.postPass = nullptr;
  events.clear();
  renderFrame();
  EXPECT_TRUE(firstPassList.empty());
  EXPECT_TRUE(postPassList.empty());
  EXPECT_EQ(events, (std::vector<std::string>{"draw planet", "draw moon"}));
}

TEST_F(FrameGl, NoWorldClearsToBlackCountsNoFrameButTheSecondPasses) {
  currentWorld = nullptr;
  paintRed();
  ASSERT_EQ(readPixel(10, 10).r, 255);
  fpsStopwatch.startCount -= 5'000'000'000;  // the FPS window is long over
  renderFrame();
  const Pixel p = readPixel(10, 10);
  EXPECT_EQ(p.r + p.g + p.b, 0);
  EXPECT_EQ(framesThisSecond, 0u);
  EXPECT_EQ(counter.seconds, 1);
  EXPECT_TRUE(events.empty());
}

TEST_F(FrameGl, FpsWindowClosesAtTheFirstFrameAfterASecond) {
  for (int i = 0; i < 4; ++i) renderFrame();
  EXPECT_EQ(shownFps, 0u);  // 0 until a full second has passed
  EXPECT_EQ(framesThisSecond, 4u);
  EXPECT_EQ(counter.seconds, 0);

  fpsStopwatch.startCount -= 1'100'000'000;
  renderFrame();
  EXPECT_EQ(shownFps, 4u);  // this frame opens the next window
  EXPECT_EQ(framesThisSecond, 1u);
  EXPECT_EQ(counter.seconds, 1);
  EXPECT_LT(fpsStopwatch.elapsed(), 1.0);

  renderFrame();
  EXPECT_EQ(shownFps, 4u);
  EXPECT_EQ(framesThisSecond, 2u);
}

TEST_F(FrameGl, OverlaysDecideTheBlendFunctionLeftBehind) {
  auto blend = [] {
    GLint source = 0, destination = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    return std::vector<int>{source, destination};
  };
  renderFrame();
  EXPECT_EQ(blend(), (std::vector<int>{GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA}));

  settings.ShowFPS = true;
  renderFrame();
  EXPECT_EQ(blend(), (std::vector<int>{GL_SRC_ALPHA, GL_ONE}));

  settings.ShowFPS = false;
  settings.ShowClock = true;
  glDisable(GL_ALPHA_TEST);
  renderFrame();
  EXPECT_EQ(blend(), (std::vector<int>{GL_SRC_ALPHA, GL_ONE}));
  EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
  GLint alphaFunction = 0;
  glGetIntegerv(GL_ALPHA_TEST_FUNC, &alphaFunction);
  EXPECT_EQ(alphaFunction, GL_ALWAYS);
}

TEST_F(FrameGl, TextureMatrixLeftByAnObjectIsCleared) {
  moon.messWithTextureMatrix = true;
  renderFrame();
  float texture[16];
  glGetFloatv(GL_TEXTURE_MATRIX, texture);
  EXPECT_EQ(texture[12], 0.0f);
  EXPECT_EQ(texture[0], 1.0f);
}

}  // namespace
