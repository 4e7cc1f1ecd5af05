// The flight survey's geometry: the circle a moon runs on, distances to it,
// and which frames count a body as filling the picture.
#include <gtest/gtest.h>

#include <cmath>

#include "content/flight_survey.h"
#include "scene/sphere.h"

namespace {

struct PlanetAndMoon {
  Sphere planet, moon;
  PlanetAndMoon() {
    planet.position = planet.homePosition = Vec3(10000, 0, 0);
    planet.followsOrbit = false;
    planet.radius = 2000;
    moon.relativeToParent = moon.isMoon = true;
    moon.followsOrbit = false;
    moon.parent = &planet;
    moon.homePosition = Vec3(0, 0, 3000);
    moon.rotationAxis = Vec3(0, 1, 0);
    moon.radius = 100;
  }
};

TEST(FlightSurvey, AMoonRunsOnACircleAboutItsParent) {
  PlanetAndMoon bodies;
  const BodyPath still = bodyPath(bodies.planet);
  EXPECT_EQ(still.circleRadius, 0.0f);
  EXPECT_NEAR(distanceToPath(still, Vec3(0, 0, 0)), 10000, 1e-3);

  const BodyPath circle = bodyPath(bodies.moon);
  EXPECT_NEAR(circle.centre.x, 10000, 0.5);
  EXPECT_NEAR(circle.centre.z, 0, 0.5);
  EXPECT_NEAR(circle.circleRadius, 3000, 0.5);
  EXPECT_NEAR(std::fabs(circle.axis.y), 1, 1e-5);
  // On the circle, beside it in its plane, and above its centre.
  EXPECT_NEAR(distanceToPath(circle, Vec3(7000, 0, 0)), 0, 0.5);
  EXPECT_NEAR(distanceToPath(circle, Vec3(10000, 0, 3400)), 400, 0.5);
  EXPECT_NEAR(distanceToPath(circle, Vec3(10000, 4000, 0)), 5000, 0.5);
}

TEST(FlightSurvey, CountsABodyThatFillsAQuarterOfTheViewOnly) {
  PlanetAndMoon bodies;
  const std::vector<Sphere*> list = {&bodies.planet, &bodies.moon};
  const CameraPose towards{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
  const CameraPose away{{0, 0, 0}, {-1, 0, 0}, {0, 1, 0}};
  const CameraPose farOut{{-20000, 0, 0}, {1, 0, 0}, {0, 1, 0}};
  EXPECT_GT(heightShare(2000, 10000), 0.25);
  EXPECT_LT(heightShare(2000, 30000), 0.25);

  const FlightSurvey survey = surveyFlight(list, {towards, away, farOut, towards}, 0.05, 2);
  EXPECT_EQ(survey.sampledFrames, 2);       // frames 0 and 2
  EXPECT_EQ(survey.framesWithCloseBody, 1); // frame 2 is too far out
  EXPECT_EQ(survey.closeFrames[0], 1);
  EXPECT_EQ(survey.closeFrames[1], 0);
  EXPECT_NEAR(survey.closestRadii[0], 5.0, 1e-4);
  EXPECT_NEAR(survey.closestRadii[1], (10000.0 - 3000.0) / 100.0, 0.01);
}

}  // namespace
