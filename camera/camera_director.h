#pragma once
// camera_director.h -- the endless random flight of the camera around the origin

#include "math/keyframe.h"
#include "math/quat.h"
#include "math/vec3.h"

// Flies the camera without end on a random path around the origin: keys on
// shells 40000-60000 units out, each 40 degrees on from the last, looking at
// the origin; smooth curves between them.
class CameraDirector {
 public:
  Vec3 up{0, 1, 0};
  Vec3 forward{0, 0, -1};
  Vec3 position{0, 0, 0};
  KeyframeTrack track;
  Quat orientation;
  Vec3 eye{0, 0, 0};

  virtual ~CameraDirector() = default;

  void startFlight();
  // dt: the frame's real time times the camera-speed factor.
  void advance(double dt);
};
