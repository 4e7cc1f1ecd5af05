#include "scene/sphere.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "data/mesh_lists.h"
#include "math/random.h"
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
    for (int i = 0; i < count; ++i) parseSphere(objects.list);
    return objects.list.empty() ? nullptr : static_cast<Sphere*>(objects.list.back());
  }
  Sphere* at(std::size_t i) { return static_cast<Sphere*>(objects.list.at(i)); }

  OwnedSceneList objects;
};

void expectNear(const Vec3& v, float x, float y, float z) {
  EXPECT_NEAR(v.x, x, 1e-3f);
  EXPECT_NEAR(v.y, y, 1e-3f);
  EXPECT_NEAR(v.z, z, 1e-3f);
}

}  // namespace

TEST_F(SphereParse, BareBlockKeepsTheDefaults) {
  Sphere* s = parse("sphere\nbegin\nend\n");
  ASSERT_NE(s, nullptr);
  EXPECT_STREQ(s->name, "");
  EXPECT_EQ(s->radius, 5.0f);
  EXPECT_EQ(s->spinSpeed, 0.2f);
  expectNear(s->rotationAxis, 0, 1, 0);
  expectNear(s->orientAxis, 1, 0, 0);
  EXPECT_EQ(s->orientAngle, 90.0f);
  EXPECT_EQ(s->alpha, 1.0f);
  EXPECT_EQ(s->displayList, 11u);
  EXPECT_FALSE(s->hasTexture);
  EXPECT_TRUE(s->followsOrbit);
  EXPECT_EQ(s->parent, nullptr);
  EXPECT_GE(s->moonAngle, 0.0f);
  EXPECT_LE(s->moonAngle, 350.0f);
}

TEST_F(SphereParse, KeywordsArePrefixesAndTheLastListWins) {
  Sphere* s = parse(
      "begin earth_and_its_long_name\n"
      "radius 3.5\nFOV 0.7\nalpha 0.5\ntiling 2\ndetiling 45\nperiod 100\n"
      "environment\nnoised\nspecularity\nrotation V(0 0 1) 10 4\norient V(0 1 0) 30\n"
      "color V(0.5 0.25 1)\nSphere\nend\n");
  EXPECT_STREQ(s->name, "earth_and_its_");  // cut to 14 characters
  EXPECT_EQ(s->radius, 3.5f);
  EXPECT_EQ(s->fov, 0.7f);
  EXPECT_EQ(s->alpha, 0.5f);
  EXPECT_EQ(s->tiling, 2.0f);
  EXPECT_EQ(s->detiling, 45.0f);
  EXPECT_EQ(s->period, 100.0f);
  EXPECT_TRUE(s->isEnv);        // "environment" begins with "env"
  EXPECT_EQ(s->displayList, 13u);  // "noised" came after "env"
  EXPECT_TRUE(s->specular);
  expectNear(s->rotationAxis, 0, 0, 1);
  EXPECT_EQ(s->spin, 10.0f);
  EXPECT_EQ(s->spinSpeed, 4.0f);  // set after "env" zeroed it
  expectNear(s->orientAxis, 0, 1, 0);
  EXPECT_EQ(s->orientAngle, 30.0f);
  expectNear(s->colour, 0.5f, 0.25f, 1);

  Sphere* list = parse("begin\natmo\nlist\nend\n");
  EXPECT_EQ(list->displayList, 14u);
  EXPECT_TRUE(list->hasAtmosphere);
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

TEST_F(SphereParse, MoonSpeedsShrinkWithinAFileAndRestartWithTheNext) {
  const std::string three = "begin\nmoon\nend\nbegin\nmoon\nend\nbegin\nend\nbegin\nmoon\nend\n";
  parse(three, 4);
  EXPECT_EQ(at(0)->moonSpeed, 2.0f);
  EXPECT_EQ(at(1)->moonSpeed, 1.5f);
  EXPECT_EQ(at(2)->moonSpeed, 0.5f);  // not a moon
  EXPECT_FALSE(at(2)->isMoon);
  EXPECT_EQ(at(3)->moonSpeed, 1.125f);
  resetSphereParseState();
  EXPECT_EQ(parse("begin\nmoon\nend\n")->moonSpeed, 2.0f);
}

TEST_F(SphereParse, FlashShellsStartAtSuccessivePhases) {
  std::string text;
  for (int i = 0; i < 5; ++i) text += "begin\nflash\nend\n";
  parse(text, 5);
  const bool on[5] = {true, true, false, false, false};
  const float time[5] = {0.0f, 0.25f, 0.0f, 0.25f, 0.5f};
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(at(i)->flash);
    EXPECT_EQ(at(i)->flashOn, on[i]);
    EXPECT_FLOAT_EQ(at(i)->flashTime, time[i]);
    EXPECT_EQ(at(i)->flashPeriod, 0.5f);
  }
  resetSphereParseState();
  Sphere* next = parse("begin\nflash\nend\n");
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
  resetSphereParseState();
  parse("begin\ntexture textures\\a.tga\nend\n");
  resetSphereParseState();
  EXPECT_FALSE(parse("begin\nend\n")->alphaTexture);
}

TEST_F(SphereParse, ParentsAreEarlierObjectsOfTheList) {
  parse(
      "begin sun\nend\n"
      "begin sun\nradius 9\nend\n"
      "begin a\nparent sun\nparent later\nend\n"
      "begin b\nparent later\nend\n"
      "begin later\nend\n",
      5);
  EXPECT_EQ(at(2)->parent, nullptr);  // the last parent line found nothing
  EXPECT_EQ(at(3)->parent, nullptr);

  OwnedSceneList other;
  objects.list.swap(other.list);
  parse("begin sun\nend\nbegin sun\nend\nbegin a\nsys\nparent sun\nend\n", 3);
  EXPECT_EQ(at(2)->parent, at(0));
  EXPECT_TRUE(at(2)->relativeToParent);
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
  expectNear(s->orientAxis, 1, 0, 0);
  EXPECT_EQ(s->orientAngle, 90.0f);
  expectNear(s->homePosition, 0, 0, 0);
  expectNear(s->colour, 1, 1, 1);
  EXPECT_FALSE(s->hasTexture);

  // A block without "end" runs to the end of the data; one without
  // "begin" makes nothing.
  OwnedSceneList other;
  objects.list.swap(other.list);
  parse("begin x\nradius 7", 3);
  ASSERT_EQ(objects.list.size(), 1u);
  EXPECT_EQ(at(0)->radius, 7.0f);
  EXPECT_STREQ(at(0)->name, "x");
  OwnedSceneList none;
  objects.list.swap(none.list);
  EXPECT_EQ(parse("radius 3\nend\n", 2), nullptr);
}

namespace {

class SphereUpdate : public ::testing::Test {
 protected:
  void SetUp() override { sceneClock = 0.0f; }
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

  // A running clock turns the orbit about y: 5000 / 100 x 1.8 = 90 degrees.
  Sphere orbiting;
  orbiting.period = 100.0f;
  orbiting.homePosition = Vec3(10, 0, 0);
  sceneClock = 1.8f;
  orbiting.update(0.0);
  EXPECT_FLOAT_EQ(orbiting.orbitAngle, 90.0f);
  expectNear(orbiting.position, 0, 0, 10);
  sceneClock = 0.0f;
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
  seedRandom(7);
  sphere.update(0.5);  // 1.5 s of a 1 s half
  EXPECT_TRUE(sphere.flashOn);
  EXPECT_FLOAT_EQ(sphere.flashTime, 0.5f);
  EXPECT_EQ(sphere.flashPeriod, 0.5f);
  const float u = sphere.texOffsetU, v = sphere.texOffsetV;
  EXPECT_GE(sphere.texRotation, 0.0f);
  EXPECT_LE(sphere.texRotation, 180.0f);
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
