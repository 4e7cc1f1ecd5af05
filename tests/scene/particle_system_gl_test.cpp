#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "camera/camera_director.h"
#include "math/random.h"
#include "scene/parsers.h"
#include "scene/particle_system.h"
#include "tests/support/gl_fixture.h"
#include "tests/support/scene_blocks.h"

// Counts the C++ allocations made while `countingAllocations` is set. The
// address sanitizer keeps its own allocator, which shared libraries reach
// past a replacement; there the count is not taken.
namespace {
bool countingAllocations = false;
int allocationCount = 0;
}  // namespace

#if !defined(__SANITIZE_ADDRESS__)

// The replacements pair malloc with free, which the compiler cannot see.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  if (countingAllocations) ++allocationCount;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop
#endif

namespace {

class ParticleDrawTest : public GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    glMatrixMode(GL_PROJECTION);
    glOrtho(-3000, 3000, -2250, 2250, -100000, 100000);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_BLEND);
    glEnable(GL_LIGHTING);
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_DEPTH_TEST);
  }

  ParticleSystem* parse(const std::string& text) {
    return parseText<ParticleSystem>(objects, text);
  }

  static GLint integer(GLenum which) {
    GLint value = 0;
    glGetIntegerv(which, &value);
    return value;
  }

  ObjectList objects;
  CameraDirector camera;
};

TEST_F(ParticleDrawTest, UpdateAndDrawAllocateNothing) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "allocations are not counted under the address sanitizer";
#endif
  ParticleSystem* kinds[] = {parse("begin\nline\ndens 50\nend\n"),
                             parse("begin\ncirc\nsize 50\ndens 50\nend\n"),
                             parse("begin\nflash\ndens 50\nend\n")};
  int updates = 0, draws = 0;
  for (int frame = 0; frame < 200; ++frame) {
    for (ParticleSystem* system : kinds) {
      allocationCount = 0;
      countingAllocations = true;
      system->update(0.05);
      countingAllocations = false;
      updates += allocationCount;
      allocationCount = 0;
      countingAllocations = frame >= 20;
      system->draw(camera);
      countingAllocations = false;
      draws += allocationCount;
    }
  }
  EXPECT_EQ(updates, 0);
  EXPECT_EQ(draws, 0);
}

TEST_F(ParticleDrawTest, StreamsAndBurstsLeaveLightingAndAlphaTestOff) {
  for (const char* text : {"begin\nline\ndens 5\nend\n", "begin\ncirc\ndens 5\nend\n",
                           "begin\ncirc\ndens 0\nend\n"}) {
    ParticleSystem* system = parse(text);
    system->update(0.1);
    glEnable(GL_LIGHTING);
    glEnable(GL_ALPHA_TEST);
    const GLint depth = integer(GL_MODELVIEW_STACK_DEPTH);
    system->draw(camera);
    EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), depth);
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING)) << text;
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST)) << text;
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST)) << text;
    EXPECT_EQ(integer(GL_BLEND_SRC), GL_SRC_ALPHA);
    EXPECT_EQ(integer(GL_BLEND_DST), GL_ONE);
  }
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(ParticleDrawTest, BoltRestoresCullingDepthWritesAlphaTestAndLighting) {
  ParticleSystem* bolt = parse("begin\nflash\ndens 4\nend\n");
  for (int tick = 0; tick < 9; ++tick) bolt->update(0.1);
  glDisable(GL_ALPHA_TEST);
  bolt->draw(camera);
  EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
  EXPECT_EQ(integer(GL_CULL_FACE_MODE), GL_BACK);
  GLboolean depthWrites = GL_FALSE;
  glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
  EXPECT_TRUE(depthWrites);
  EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 1);
}

TEST_F(ParticleDrawTest, SystemsWithNothingToShowDrawNothing) {
  ParticleSystem* empty[] = {parse("begin\nflash\ndens 0\nend\n"), parse("begin\nflash\nend\n"),
                             parse("begin\ndens 3\nend\n"), parse("begin\nline\ndens 0\nend\n")};
  glBlendFunc(GL_ONE, GL_ZERO);
  for (ParticleSystem* system : empty) {
    system->update(0.1);
    system->draw(camera);
  }
  EXPECT_EQ(readPixel(32, 24).r, 0);
  EXPECT_EQ(readPixel(10, 10).r, 0);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  // The first three leave every state alone; only the stream's glow pass ran.
  glDisable(GL_LIGHTING);
  for (int i = 0; i < 3; ++i) {
    glEnable(GL_LIGHTING);
    empty[i]->draw(camera);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING)) << i;
  }
}

TEST_F(ParticleDrawTest, BurstAtHalfPeriodShinesAroundItsEmitter) {
  seedRandom(21);
  ParticleSystem* burst = parse("begin\ncirc\nsize 100\ndens 20\nend\n");
  burst->update(0.1);
  burst->timer = burst->period / 2;  // the burst at its brightest
  glTranslatef(-burst->position.x, -burst->position.y, -burst->position.z);
  burst->draw(camera);
  EXPECT_GT(readPixel(32, 24).r, 200);
  EXPECT_EQ(readPixel(0, 0).r, 0);
}

}  // namespace
