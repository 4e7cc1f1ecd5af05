// flight_survey.cpp -- how the camera's flight meets a scene's spheres: closest passes and filled pictures
#include "content/flight_survey.h"

#include <cmath>
#include <limits>

#include "camera/camera_director.h"
#include "host/settings.h"
#include "math/random.h"
#include "scene/sphere.h"

std::vector<CameraPose> flyCamera(std::uint32_t seed, double dt, int frames, std::uint32_t speed) {
  seedRandom(seed);
  CameraDirector camera;
  camera.startFlight();
  const double scaledDt = dt * speedFactorFor(speed);
  std::vector<CameraPose> flight;
  flight.reserve(std::size_t(frames > 0 ? frames : 0));
  for (int i = 0; i < frames; ++i) {
    camera.advance(scaledDt);
    flight.push_back({camera.eye, camera.forward, camera.up});
  }
  return flight;
}

std::vector<Sphere*> surveyedSpheres(const ObjectList& objects) {
  std::vector<Sphere*> spheres;
  for (SceneObject* object : objects)
    if (auto* sphere = dynamic_cast<Sphere*>(object); sphere && !sphere->isEnv) spheres.push_back(sphere);
  return spheres;
}

bool isSolidBody(const Sphere& s) {
  return !s.isEnv && !s.isLight && !s.hasAtmosphere && !s.flash && !s.maskOnly && !s.scan &&
         s.alpha >= 1.0f;
}

Vec3 worldCentre(const SceneObject& object) {
  const auto* sphere = dynamic_cast<const Sphere*>(&object);
  if (sphere && sphere->relativeToParent && sphere->parent)
    return sphere->position + worldCentre(*sphere->parent);
  return object.position;
}

BodyPath bodyPath(const Sphere& sphere) {
  Vec3 samples[3];
  for (int i = 0; i < 3; ++i) {
    Sphere copy(sphere);
    copy.moonAngle = copy.spin = 120.0f * float(i);
    copy.update(0.0);
    samples[i] = worldCentre(copy);
  }
  BodyPath path;
  path.centre = (samples[0] + samples[1] + samples[2]) / 3.0f;
  path.circleRadius = length(samples[0] - path.centre);
  if (path.circleRadius < 1.0f) {
    path.centre = samples[0];
    path.circleRadius = 0;
  } else {
    path.axis = normalized(cross(samples[0] - path.centre, samples[1] - path.centre));
  }
  return path;
}

double distanceToPath(const BodyPath& path, const Vec3& point) {
  const Vec3 v = point - path.centre;
  if (path.circleRadius == 0) return length(v);
  const double height = dot(v, path.axis);
  const double across = double(length(v - path.axis * float(height))) - path.circleRadius;
  return std::sqrt(height * height + across * across);
}

double heightShare(double radius, double distance) {
  if (distance <= radius) return std::numeric_limits<double>::infinity();
  // The sphere's silhouette spans 2 tan(asin(r / d)) on a picture 1 high.
  return 2 * radius / std::sqrt(distance * distance - radius * radius);
}

bool inView(const CameraPose& pose, const Vec3& point) {
  const Vec3 v = point - pose.eye;
  const float depth = dot(v, pose.forward);
  if (depth <= 0) return false;
  const Vec3 right = cross(pose.forward, pose.up);
  return std::fabs(dot(v, pose.up)) <= 0.5f * depth &&
         std::fabs(dot(v, right)) <= 2.0f / 3.0f * depth;
}

FlightSurvey surveyFlight(const std::vector<Sphere*>& bodies, const std::vector<CameraPose>& flight,
                          double dt, int every) {
  FlightSurvey survey;
  survey.closestRadii.assign(bodies.size(), std::numeric_limits<double>::infinity());
  survey.closeFrames.assign(bodies.size(), 0);
  std::vector<BodyPath> paths;
  for (const Sphere* body : bodies) paths.push_back(bodyPath(*body));

  for (std::size_t frame = 0; frame < flight.size(); ++frame) {
    const CameraPose& pose = flight[frame];
    if (every >= 1)  // only the sampled frames read where the bodies stand
      for (Sphere* body : bodies) body->update(dt);
    for (std::size_t b = 0; b < bodies.size(); ++b) {
      const double radii = distanceToPath(paths[b], pose.eye) / double(bodies[b]->radius);
      if (radii < survey.closestRadii[b]) survey.closestRadii[b] = radii;
    }
    if (every < 1 || frame % std::size_t(every) != 0) continue;
    ++survey.sampledFrames;
    bool anyClose = false;
    for (std::size_t b = 0; b < bodies.size(); ++b) {
      if (!isSolidBody(*bodies[b])) continue;
      const Vec3 centre = worldCentre(*bodies[b]);
      if (heightShare(bodies[b]->radius, length(centre - pose.eye)) > 0.25 && inView(pose, centre)) {
        ++survey.closeFrames[b];
        anyClose = true;
      }
    }
    survey.framesWithCloseBody += anyClose;
  }
  return survey;
}
