#pragma once
// flight_survey.h -- how the camera's flight meets a scene's spheres: closest passes and filled pictures

// How the camera's flight meets a scene's spheres: how close it comes to
// each, and how often a solid body fills a good part of the picture.
#include <cstdint>
#include <vector>

#include "math/vec3.h"
#include "scene/scene_object.h"

class Sphere;

struct CameraPose {
  Vec3 eye, forward, up;
};

// The poses orbivane-render --camera prints: the saver's flight for a seed,
// frames of dt seconds at the camera-speed setting `speed`.
std::vector<CameraPose> flyCamera(std::uint32_t seed, double dt, int frames, std::uint32_t speed = 50);

// Every sphere of the list but the sky shells around the camera.
std::vector<Sphere*> surveyedSpheres(const ObjectList& objects);

// A body that looks solid: opaque and lit, not a shell, a flash, a depth
// mask or a wire.
bool isSolidBody(const Sphere& sphere);

// Where a sphere is drawn: its position, plus its parent's for "sys".
Vec3 worldCentre(const SceneObject& object);

// The circle a sphere runs on (radius 0 for one that stands still), found by
// placing a copy of it at three angles of its turn.
struct BodyPath {
  Vec3 centre{0, 0, 0};
  Vec3 axis{0, 1, 0};
  float circleRadius = 0;
};
BodyPath bodyPath(const Sphere& sphere);

// Shortest distance from a point to anywhere on the path.
double distanceToPath(const BodyPath& path, const Vec3& point);

// The share a sphere of radius r at distance d takes of the picture's
// height (the vertical field of view is 2 atan(0.5)).
double heightShare(double radius, double distance);

// True when the point lies in the view of the pose (4:3 picture).
bool inView(const CameraPose& pose, const Vec3& point);

struct FlightSurvey {
  int sampledFrames = 0;
  int framesWithCloseBody = 0;     // some solid body spans more than a quarter
  std::vector<double> closestRadii;  // per body, over every frame, in radii
  std::vector<int> closeFrames;      // per body, sampled frames it spans a quarter
};

// Flies the poses, frames of dt seconds, moving the bodies with their own
// update; every `every`-th frame is sampled for the close bodies (none when
// `every` is 0: then only the closest approaches are measured).
FlightSurvey surveyFlight(const std::vector<Sphere*>& bodies, const std::vector<CameraPose>& flight,
                          double dt, int every);
