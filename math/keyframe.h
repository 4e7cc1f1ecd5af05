#pragma once
// keyframe.h -- the three-key track of the camera path: positions by Bezier curves, orientations by slerp

#include "math/quat.h"
#include "math/vec3.h"

// One key of a path: a point, the tangent there (per unit of phase), the
// orientation and the Bezier controls of the segments that end and start here.
class Keyframe {
 public:
  Vec3 position{0, 0, 0};
  Vec3 gradient{0, 0, 0};
  Quat orientation;
  Quat inControl;
  Quat outControl;

  virtual ~Keyframe() = default;
};

// Sets key's gradient (Catmull-Rom) and its in and out controls from its
// neighbours, which are left unchanged.
void prepareKey(const Keyframe& prev, Keyframe& key, const Keyframe& next);

// Three consecutive keys; the segment previous -> current is being flown.
struct KeyframeTrack {
  Keyframe previous;
  Keyframe current;
  Keyframe next;
  float phase = 0.0f;

  void startTrack();
  void shiftKeys();
  void evaluate(float t, Vec3& position, Quat& orientation) const;
};
