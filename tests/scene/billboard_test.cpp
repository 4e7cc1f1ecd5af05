#include "scene/billboard.h"

#include <gtest/gtest.h>

#include <string>

#include "scene/parsers.h"
#include "scene/sphere.h"
#include "tests/support/object_text.h"

namespace {

class BillboardParse : public ::testing::Test {
 protected:
  Billboard* parse(const std::string& text) {
    ObjectText file(text);
    parseBillboard(objects);
    return objects.empty() ? nullptr : dynamic_cast<Billboard*>(objects.back());
  }
  ObjectList objects;
};

void expectNear(const Vec3& v, float x, float y, float z) {
  EXPECT_NEAR(v.x, x, 1e-4f);
  EXPECT_NEAR(v.y, y, 1e-4f);
  EXPECT_NEAR(v.z, z, 1e-4f);
}

}  // namespace

TEST_F(BillboardParse, OddFormatsAndPrefixes) {
  Billboard* b = parse(
      "billboard\nbegin glow\nrotation 10 1\norient off\nblending\nflash 0.5 1 2)\n"
      "texture textures\\glow.tga\nupright V(0 0 2)\nup V(0 0 2)\nright V(0 0 -3)\n"
      "color V(0.1 0.2 0.3)\nxy 2\nend\n");
  ASSERT_NE(b, nullptr);
  EXPECT_STREQ(b->name, "");  // billboards have no name
  EXPECT_EQ(b->angle, 10.0f);
  EXPECT_EQ(b->angularSpeed, 60.0f);
  EXPECT_TRUE(b->fixedOrientation);
  EXPECT_TRUE(b->alphaBlend);
  EXPECT_EQ(b->blinkTime, 0.5f);
  EXPECT_EQ(b->blinkDark, 1.0f);
  EXPECT_EQ(b->blinkLit, 2.0f);
  EXPECT_TRUE(b->alphaTexture);
  expectNear(b->upAxis, 0, 0, 1);  // normalized
  expectNear(b->rightAxis, 0, 0, -1);
  expectNear(b->tint, 0.1f, 0.2f, 0.3f);
  expectNear(b->colour, 1, 1, 1);
  EXPECT_EQ(b->aspect, 2.0f);
}

TEST_F(BillboardParse, TheLastVectorLineGivesTheOffset) {
  Billboard* env = parse("begin\nenv V(0 0 -100)\nend\n");
  EXPECT_TRUE(env->isEnv);
  expectNear(env->offset, 0, 0, -100);
  EXPECT_GE(env->angularSpeed, -60.0f);
  EXPECT_LE(env->angularSpeed, 60.0f);

  Billboard* halo = parse("begin\nenv V(1 1 1)\noreol V(5 6 7) 12\nend\n");
  EXPECT_TRUE(halo->isEnv);
  EXPECT_TRUE(halo->isHalo);
  expectNear(halo->offset, 5, 6, 7);
  EXPECT_EQ(halo->haloRadius, 12.0f);
}

TEST_F(BillboardParse, AnchorIsTheFirstEarlierSphereOfThatName) {
  {
    ObjectText spheres("begin sun\nend\nbegin sun\nend\n");
    resetSphereParseState();
    parseSphere(objects);
    parseSphere(objects);
  }
  Billboard* b = parse("begin\nparent sun V(0 40 0)\nend\n");
  EXPECT_EQ(b->anchor, objects[0]);
  EXPECT_EQ(b->parent, nullptr);
  expectNear(b->offset, 0, 40, 0);

  Billboard* lost = parse("begin\nparent moon V(1 2 3)\nparent sun\nend\n");
  EXPECT_EQ(lost->anchor, objects[0]);
  expectNear(lost->offset, 1, 2, 3);  // the name-only line keeps the vector
  EXPECT_EQ(parse("begin\nparent nobody V(0 1 0)\nend\n")->anchor, nullptr);
}

TEST_F(BillboardParse, MissingValuesAndBrokenBlocks) {
  Billboard* b = parse("begin\nsize\nrotation 20\nflash 1\nup V(0 0)\noreol V(1 2 3)\nend\n");
  EXPECT_EQ(b->size, 5.0f);
  EXPECT_EQ(b->angle, 20.0f);
  EXPECT_GE(b->angularSpeed, -60.0f);  // kept its random value
  EXPECT_TRUE(b->blinking);
  EXPECT_EQ(b->blinkTime, 1.0f);
  EXPECT_EQ(b->blinkDark, 0.0f);
  expectNear(b->upAxis, 0, 1, 0);
  expectNear(b->offset, 1, 2, 3);
  EXPECT_EQ(b->haloRadius, 1.0f);

  Billboard* unopened = parse("size 4\nend\n");  // no "begin": the defaults
  EXPECT_NE(unopened, b);
  EXPECT_EQ(unopened->size, 5.0f);
  Billboard* open = parse("begin\nsize 4");
  EXPECT_EQ(objects.size(), 3u);
  EXPECT_EQ(open->size, 4.0f);
}

TEST(BillboardUpdate, AngleAndBlinkTimerWrapOnce) {
  Billboard b;
  b.angularSpeed = 60.0f;
  b.update(1.0);
  EXPECT_FLOAT_EQ(b.angle, 60.0f);
  b.update(5.5);  // 390 degrees
  EXPECT_FLOAT_EQ(b.angle, 30.0f);
  b.angularSpeed = -60.0f;
  b.update(1.0);
  EXPECT_FLOAT_EQ(b.angle, 330.0f);
  b.update(13.0);  // -780 degrees: one wrap only
  EXPECT_FLOAT_EQ(b.angle, -90.0f);

  b.blinkDark = 1.0f;
  b.blinkLit = 2.0f;
  b.blinkTime = 0.0f;
  b.update(2.5);
  EXPECT_FLOAT_EQ(b.blinkTime, 2.5f);
  b.update(1.0);
  EXPECT_FLOAT_EQ(b.blinkTime, 0.5f);
}
