// camera_director.cpp -- the endless random flight of the camera around the origin
#include "camera/camera_director.h"

#include "math/mat4.h"
#include "math/random.h"

namespace {

// The orientation that looks from p at the origin, "up" along the part of
// (0, -1, 0) perpendicular to the view.
Quat keyOrientation(const Vec3& p) {
  const Vec3 f = normalized(-p);
  Vec3 side = cross(Vec3(0, -1, 0), f);
  // A key on the y axis has no such part: any up perpendicular to the view does.
  if (length(side) < 1e-6f) side = cross(Vec3(0, 0, 1), f);
  const Vec3 s = normalized(side);
  const Vec3 u = normalized(cross(f, s));
  Quat q;
  quatFromMatrix(q, basisMatrix(f, u, s));
  return q;
}

void setKey(Keyframe& key, const Vec3& p) {
  key.position = p;
  key.orientation = keyOrientation(p);
}

// Turns the wander axis by a random angle (drawn first) about a random axis.
void driftAxis(Vec3& axis, float maxAngle) {
  const float angle = rand01() * maxAngle;
  rotateAboutAxis(axis, randomUnitVector(), angle);
}

}  // namespace

void CameraDirector::startFlight() {
  Vec3 wanderAxis = randomUnitVector();
  Vec3 p(0, 0, 90000);
  rotateAboutAxis(p, wanderAxis, rand01() * 350.0f + 10.0f);
  setKey(track.previous, p);

  p = normalized(p) * (rand01() * 5000.0f + 40000.0f);
  driftAxis(wanderAxis, 60.0f);
  rotateAboutAxis(p, wanderAxis, 40.0f);
  setKey(track.current, p);

  driftAxis(wanderAxis, 60.0f);
  rotateAboutAxis(p, wanderAxis, 40.0f);
  p = normalized(p) * (rand01() * 5000.0f + 40000.0f);
  setKey(track.next, p);

  track.startTrack();
}

void CameraDirector::advance(double dt) {
  track.phase = float(track.phase + dt * 0.1);
  if (track.phase >= 1.0f) {
    track.phase -= 1.0f;
    track.shiftKeys();
    Vec3 p = track.current.position;
    Vec3 turnAxis(0, 1, 0);
    driftAxis(turnAxis, 90.0f);
    rotateAboutAxis(p, turnAxis, 40.0f);
    p = normalized(p) * (rand01() * 20000.0f + 40000.0f);
    setKey(track.next, p);
    prepareKey(track.previous, track.current, track.next);
  }
  track.evaluate(track.phase, position, orientation);
  eye = position;
  Mat4 m;
  matrixFromQuat(m, orientation);
  forward = Vec3(m[0], m[4], m[8]);
  up = Vec3(m[2], m[6], m[10]);
}
