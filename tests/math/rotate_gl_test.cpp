#include "math/random.h"
#include "math/vec3.h"
#include "tests/support/gl_fixture.h"

using RotateAboutAxisGl = GlTest;

// The direct computation must agree with what the matrix stack does: load v
// into the bottom row, glRotatef, read the bottom row back.
TEST_F(RotateAboutAxisGl, AgreesWithTheModelviewStack) {
  glMatrixMode(GL_MODELVIEW);
  seedRandom(2024);
  for (int n = 0; n < 100; ++n) {
    const Vec3 axis = randomUnitVector() * (rand01() * 3 + 0.5f);
    const float angle = rand01() * 720 - 360;
    Vec3 v = randomUnitVector() * 90000.0f;

    float m[16];
    glPushMatrix();
    glLoadIdentity();
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    m[3] = v.x;
    m[7] = v.y;
    m[11] = v.z;
    glLoadMatrixf(m);
    glRotatef(angle, axis.x, axis.y, axis.z);
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    glPopMatrix();

    rotateAboutAxis(v, axis, angle);
    EXPECT_NEAR(v.x, m[3], 0.05f);
    EXPECT_NEAR(v.y, m[7], 0.05f);
    EXPECT_NEAR(v.z, m[11], 0.05f);
  }
}
