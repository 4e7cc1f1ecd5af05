#include "scene/sphere.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "data/mesh_lists.h"
#include "scene/parsers.h"
#include "tests/support/object_text.h"

namespace {

class SphereParse : public ::testing::Test {
 protected:
  void SetUp() override {
    resetSphereParseState();
    sphereList.displayList = 11;
    envList.displayList = 12;
    noisedSphereList.displayList = 13;
    geometryList.displayList = 14;
    atmosphereList = 15;
    scatterList = 16;
  }

  // Parses `count` sphere blocks of `text` into the list.
  Sphere* parse(const std::string& text, int count = 1) {
    ObjectText file(text);
    for (int i = 0; i < count; ++i) parseSphere(objects);
    return objects.empty() ? nullptr : static_cast<Sphere*>(objects.back());
  }
  Sphere* at(std::size_t i) { return static_cast<Sphere*>(objects[i]); }

  ObjectList objects;
};

void expectNear(const Vec3& v, float x, float y, float z) {
  EXPECT_NEAR(v.x, x, 1e-3f);
  EXPECT_NEAR(v.y, y, 1e-3f);
  EXPECT_NEAR(v.z, z, 1e-3f);
}

}  // namespace

TEST_F(SphereParse, KeywordsArePrefixesAndTheLastListWins) {
  parse(
      "sphere\nbegin\nend\n"
      "begin earth_and_its_long_name\nradius 3.5\nenvironment\nnoised\n"
      "rotation V(0 0 1) 10 4\nSphere\nend\n"
      "begin\natmo\nlist\nend\n",
      3);
  EXPECT_STREQ(at(0)->name, "");
  EXPECT_EQ(at(0)->displayList, 11u);
  EXPECT_EQ(at(0)->radius, 5.0f);
  EXPECT_STREQ(at(1)->name, "earth_and_its_");  // cut to 14 characters
  EXPECT_EQ(at(1)->radius, 3.5f);
  EXPECT_TRUE(at(1)->isEnv);           // "environment" begins with "env"
  EXPECT_EQ(at(1)->displayList, 13u);  // "noised" came after "env"
  expectNear(at(1)->rotationAxis, 0, 0, 1);
  EXPECT_EQ(at(1)->spin, 10.0f);
  EXPECT_EQ(at(1)->spinSpeed, 4.0f);  // set after "env" zeroed it
  EXPECT_EQ(at(2)->displayList, 14u);
  EXPECT_TRUE(at(2)->hasAtmosphere);
}

TEST_F(SphereParse, PositionShiftsUnlessOrbitCameFirst) {
  parse(
      "begin\nposition V(100 0 0)\nend\n"
      "begin\norbit\nposition V(100 0 0)\nend\n"
      "begin\nposition V(100 5 6)\norbit\nend\n",
      3);
  expectNear(at(0)->homePosition, -1900, 0, 0);
  expectNear(at(0)->position, -1900, 0, 0);
  expectNear(at(1)->homePosition, 100, 0, 0);
  EXPECT_FALSE(at(1)->followsOrbit);
  expectNear(at(2)->homePosition, -1900, 5, 6);
  EXPECT_FALSE(at(2)->followsOrbit);
}

TEST_F(SphereParse, MoonSpeedsAndFlashPhasesRunOnWithinAFile) {
  parse("begin\nmoon\nflash\nend\nbegin\nend\nbegin\nmoon\nflash\nend\n"
        "begin\nmoon\nflash\nend\nbegin\nflash\nend\nbegin\nflash\nend\n",
        6);
  const float speed[6] = {2.0f, 0.5f, 1.5f, 1.125f, 0.5f, 0.5f};
  const bool on[6] = {true, false, true, false, false, false};
  const float time[6] = {0.0f, 1.0f, 0.25f, 0.0f, 0.25f, 0.5f};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(at(i)->moonSpeed, speed[i]);
    EXPECT_EQ(at(i)->flashOn, on[i]);
    EXPECT_FLOAT_EQ(at(i)->flashTime, time[i]);
  }
  resetSphereParseState();
  Sphere* next = parse("begin\nmoon\nflash\nend\n");
  EXPECT_EQ(next->moonSpeed, 2.0f);
  EXPECT_TRUE(next->flashOn);
  EXPECT_EQ(next->flashTime, 0.0f);
}

TEST_F(SphereParse, AlphaTextureCarriesToTheNextSphereOfTheFile) {
  parse(
      "begin\ntexture textures\\ring.tga\nend\n"
      "begin\nend\n"
      "begin\natmo\nend\n"
      "begin\ntexture textures\\c.TGA\nend\n"
      "begin\nend\n",
      5);
  EXPECT_TRUE(at(0)->alphaTexture);
  EXPECT_TRUE(at(0)->hasTexture);
  EXPECT_EQ(at(0)->texture, 0u);  // not in the catalogue
  EXPECT_TRUE(at(1)->alphaTexture);
  EXPECT_FALSE(at(1)->hasTexture);
  EXPECT_FALSE(at(2)->alphaTexture);
  EXPECT_FALSE(at(3)->alphaTexture);
  EXPECT_FALSE(at(4)->alphaTexture);
}

TEST_F(SphereParse, ParentsAreTheFirstEarlierObjectOfTheName) {
  parse(
      "begin sun\nend\nbegin sun\nend\n"
      "begin a\nparent sun\nend\n"
      "begin b\nparent sun\nparent later\nend\n"
      "begin later\nend\n",
      5);
  EXPECT_EQ(at(2)->parent, at(0));
  EXPECT_EQ(at(3)->parent, nullptr);  // its last parent line found nothing
}

TEST_F(SphereParse, MissingValuesKeepTheFieldsAndBrokenBlocksEndSafely) {
  Sphere* s = parse(
      "begin\nradius\nalpha x\nrotation V(1 0 0)\norient V(0 0\nposition V(1 2)\n"
      "color V()\nparent\ntexture\nend\n");
  EXPECT_EQ(s->radius, 5.0f);
  EXPECT_EQ(s->alpha, 1.0f);
  expectNear(s->rotationAxis, 1, 0, 0);
  EXPECT_EQ(s->spin, 0.0f);
  EXPECT_EQ(s->spinSpeed, 0.2f);
  EXPECT_EQ(s->orientAngle, 90.0f);
  expectNear(s->homePosition, 0, 0, 0);
  EXPECT_FALSE(s->hasTexture);

  // A block without "end" runs to the end of the data; one without
  // "begin" gives a sphere of the defaults.
  objects.deleteAll();
  parse("begin x\nradius 7", 3);
  ASSERT_EQ(objects.size(), 3u);
  EXPECT_EQ(at(0)->radius, 7.0f);
  EXPECT_STREQ(at(0)->name, "x");
  EXPECT_EQ(at(2)->radius, Sphere().radius);
}

namespace {

class SphereUpdate : public ::testing::Test {
 protected:
  Sphere sphere;
};

}  // namespace

TEST_F(SphereUpdate, SpinWrapsOnceAndOrbitingSpheresStayHome) {
  sphere.homePosition = Vec3(-1900, 0, 0);
  sphere.spinSpeed = 500.0f;
  sphere.update(1.0);
  EXPECT_FLOAT_EQ(sphere.spin, 140.0f);
  expectNear(sphere.position, -1900, 0, 0);
  sphere.spin = 350.0f;
  sphere.update(1.0);
  EXPECT_FLOAT_EQ(sphere.spin, 490.0f);  // above 360 after one subtraction

  Sphere inclined;
  inclined.inclinedOrbit = true;
  inclined.update(0.1);
  expectNear(inclined.position, 618000, 123600, 0);
}

TEST_F(SphereUpdate, MoonCirclesItsAxisFacingTheCentre) {
  sphere.isMoon = true;
  sphere.followsOrbit = false;
  sphere.moonAngle = 0.0f;
  sphere.moonSpeed = 2.0f;
  sphere.homePosition = Vec3(10, 0, 0);
  sphere.update(22.5);  // 4 degrees a second
  EXPECT_FLOAT_EQ(sphere.moonAngle, 90.0f);
  EXPECT_FLOAT_EQ(sphere.spin, 90.0f);
  expectNear(sphere.position, 0, 0, -10);  // right-handed about +y

  sphere.moonAngle = 359.0f;
  sphere.update(1.0);
  EXPECT_FLOAT_EQ(sphere.moonAngle, 3.0f);

  // Without "orbit" the orbit step puts it back home.
  Sphere orbiting;
  orbiting.isMoon = true;
  orbiting.homePosition = Vec3(10, 0, 0);
  orbiting.update(5.0);
  expectNear(orbiting.position, 10, 0, 0);
}

TEST_F(SphereUpdate, ParentOffsetsTurnWithTheSpin) {
  sphere.relativeToParent = true;
  sphere.homePosition = Vec3(10, 0, 0);
  sphere.spinSpeed = 90.0f;
  sphere.update(1.0);
  expectNear(sphere.position, 0, 0, 10);  // turned by -90 about +y

  Sphere parent;
  parent.position = Vec3(0, 0, 100);
  Sphere moon;
  moon.parent = &parent;
  moon.relativeToParent = true;
  moon.uranMoon = true;
  moon.homePosition = Vec3(5, 0, 0);
  moon.spinSpeed = 0.0f;
  moon.update(1.0);
  expectNear(moon.position, 5, 0, 0);  // across the line to the parent
  moon.spin = 90.0f;
  moon.update(0.0);
  expectNear(moon.position, 0, -5, 0);  // about the line to the parent

  Sphere orphan;  // no parent found: as if it stood at the origin
  orphan.relativeToParent = true;
  orphan.uranMoon = true;
  orphan.homePosition = Vec3(5, 0, 0);
  orphan.update(1.0);
  EXPECT_FALSE(std::isnan(orphan.position.x));
  expectNear(orphan.position, 0, 0, 0);
}

TEST_F(SphereUpdate, FlashTimerAlternatesHalves) {
  sphere.update(0.5);  // 1.5 s of a 1 s half
  EXPECT_TRUE(sphere.flashOn);
  EXPECT_FLOAT_EQ(sphere.flashTime, 0.5f);
  EXPECT_EQ(sphere.flashPeriod, 0.5f);
  const float u = sphere.texOffsetU, v = sphere.texOffsetV;
  sphere.update(0.1);
  EXPECT_FALSE(sphere.flashOn);
  EXPECT_NEAR(sphere.flashTime, 0.1f, 1e-6f);
  EXPECT_EQ(sphere.texOffsetU, u);  // moved only when switching on
  EXPECT_EQ(sphere.texOffsetV, v);

  Sphere flicker;
  flicker.randomFlash = true;
  for (int i = 0; i < 40; ++i) {
    flicker.update(0.85);  // longer than any half
    EXPECT_EQ(flicker.flashTime, 0.0f);
    if (flicker.flashOn) {
      EXPECT_GE(flicker.flashPeriod, 0.4f);
      EXPECT_LE(flicker.flashPeriod, 0.8f);
    } else {
      EXPECT_GE(flicker.flashPeriod, 0.1f);
      EXPECT_LE(flicker.flashPeriod, 0.2f);
    }
  }
}
