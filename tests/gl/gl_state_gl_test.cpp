#include "gl/gl_state.h"

#include <cstring>
#include <string>
#include <vector>

#include "host/host.h"
#include "tests/render/render_state.h"
#include "tests/support/gl_fixture.h"

namespace {

// Notes what the GL state asks of its host.
struct RecordingHost : Host {
  std::vector<std::string> calls;
  GammaRamp lastRamp{};
  void setSwapInterval(int interval) override { calls.push_back("swap " + std::to_string(interval)); }
  bool applyGammaRamp(const std::uint16_t* ramp) override {
    std::memcpy(lastRamp.data(), ramp, sizeof(GammaRamp));
    calls.push_back("ramp");
    return true;
  }
};

struct GlStateGl : GlTest {
  RenderStateGuard guard;
  RecordingHost recorder;

  void SetUp() override {
    GlTest::SetUp();
    glState.view = {0, 0, 40, 30};
    settings.DefGamma = true;
    setHost(&recorder);
  }
};

std::vector<float> matrix(GLenum which) {
  std::vector<float> m(16);
  glGetFloatv(which, m.data());
  return m;
}

std::vector<float> lightValue(GLenum light, GLenum name) {
  std::vector<float> v(4);
  glGetLightfv(light, name, v.data());
  return v;
}

int stackDepth(GLenum which) {
  GLint depth = 0;
  glGetIntegerv(which, &depth);
  return depth;
}

TEST_F(GlStateGl, SetsTheSceneBaseline) {
  EXPECT_TRUE(initGlState());
  for (GLenum on : {GL_ALPHA_TEST, GL_DEPTH_TEST, GL_LIGHTING, GL_LIGHT1, GL_BLEND, GL_TEXTURE_2D,
                    GL_NORMALIZE})
    EXPECT_TRUE(glIsEnabled(on)) << on;
  EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
  EXPECT_FALSE(glIsEnabled(GL_LIGHT2));

  GLint source = 0, destination = 0, mode = 0;
  glGetIntegerv(GL_BLEND_SRC, &source);
  glGetIntegerv(GL_BLEND_DST, &destination);
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(source, GL_SRC_ALPHA);
  EXPECT_EQ(destination, GL_ONE);
  EXPECT_EQ(mode, GL_MODELVIEW);

  GLint viewport[4] = {};
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], 40);
  EXPECT_EQ(viewport[3], 30);

  EXPECT_EQ(lightValue(GL_LIGHT1, GL_POSITION), (std::vector<float>{0, 0, 9100, 1}));
}

TEST_F(GlStateGl, ProjectionWidensOrHeightensTheFourByThreePicture) {
  glState.view = {0, 0, 64, 36};  // 16:9: the vertical field stays
  initGlState();
  std::vector<float> p = matrix(GL_PROJECTION_MATRIX);
  EXPECT_FLOAT_EQ(p[0], 2.0f * 36 / 64);  // 2n / (r - l)
  EXPECT_FLOAT_EQ(p[5], 2.0f);            // 2n / (t - b)
  setView({0, 0, 36, 64}, 0);  // portrait: the horizontal field stays
  p = matrix(GL_PROJECTION_MATRIX);
  EXPECT_FLOAT_EQ(p[0], 1.5f);
  EXPECT_FLOAT_EQ(p[5], 1.5f * 36 / 64);
  const double n = 80, f = 5000000;
  EXPECT_FLOAT_EQ(p[10], float(-(f + n) / (f - n)));
  EXPECT_FLOAT_EQ(p[14], float(-2 * f * n / (f - n)));
  EXPECT_EQ(p[11], -1.0f);
  EXPECT_EQ(p[8], 0.0f);
  EXPECT_EQ(p[9], 0.0f);
}

TEST_F(GlStateGl, TheHostSetsTheSwapIntervalOfVSyncAndTakesTheGammaRampUnlessKept) {
  settings.VSync = true;
  settings.Gamma = 100;
  initGlState();
  settings.VSync = false;
  settings.DefGamma = false;
  initGlState();
  EXPECT_EQ(recorder.calls, (std::vector<std::string>{"swap 1", "swap 0", "ramp"}));
  EXPECT_EQ(recorder.lastRamp, gammaRampTable(0.5f, 0.5f, 0.5f));
  EXPECT_TRUE(setGammaRamp(1, 1, 1));
  EXPECT_EQ(recorder.lastRamp[255], 65280);

  setHost(nullptr);  // a host without gamma
  EXPECT_FALSE(setGammaRamp(1, 1, 1));
}

TEST_F(GlStateGl, OverlayBracketsRestoreDepthLightingAndStacks) {
  glState.view = {0, 0, 40, 30};
  for (bool before : {false, true}) {
    if (before) {
      glEnable(GL_DEPTH_TEST);
      glEnable(GL_LIGHTING);
    }
    glEnable(GL_BLEND);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(1, 2, 3);
    const std::vector<float> modelview = matrix(GL_MODELVIEW_MATRIX);
    const int modelviewDepth = stackDepth(GL_MODELVIEW_STACK_DEPTH);
    const int projectionDepth = stackDepth(GL_PROJECTION_STACK_DEPTH);

    pushOverlay800x600(OverlayAnchor::kTopLeft);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_FLOAT_EQ(matrix(GL_PROJECTION_MATRIX)[0], 2.0f / 800);
    EXPECT_FLOAT_EQ(matrix(GL_PROJECTION_MATRIX)[5], 2.0f / 600);
    EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX)[12], 0.0f);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 40);
    popOverlay();

    pushOverlayPixels();
    EXPECT_FLOAT_EQ(matrix(GL_PROJECTION_MATRIX)[0], 2.0f / 40);
    EXPECT_FLOAT_EQ(matrix(GL_PROJECTION_MATRIX)[5], 2.0f / 30);
    popOverlay();

    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_EQ(stackDepth(GL_MODELVIEW_STACK_DEPTH), modelviewDepth);
    EXPECT_EQ(stackDepth(GL_PROJECTION_STACK_DEPTH), projectionDepth);
    EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), modelview);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    glLoadIdentity();
  }
}

}  // namespace
