// keyframe.cpp -- the three-key track of the camera path: positions by Bezier curves, orientations by slerp
#include "math/keyframe.h"

namespace {
constexpr float kThird = 0.33333334f;
}

void prepareKey(const Keyframe& prev, Keyframe& key, const Keyframe& next) {
  const Vec3 g = key.position - prev.position;
  const Vec3 h = next.position - key.position;
  key.gradient = g + 0.5f * (h - g);

  Quat a, b, m;
  slerp(a, key.orientation, prev.orientation, -kThird);
  slerp(b, key.orientation, next.orientation, kThird);
  slerp(m, a, b, 0.5f);
  slerp(key.inControl, key.orientation, m, -1.0f);
  slerp(key.outControl, key.orientation, m, 1.0f);
}

void KeyframeTrack::startTrack() {
  previous.gradient = Vec3(0.0f);
  current.gradient = Vec3(0.0f);
  slerp(previous.outControl, previous.orientation, current.orientation, kThird);
  prepareKey(previous, current, next);
}

void KeyframeTrack::shiftKeys() {
  previous = current;
  current = next;
}

void KeyframeTrack::evaluate(float t, Vec3& position, Quat& orientation) const {
  position = hermite(previous.position, current.position, previous.gradient, current.gradient, t);
  orientation = bezierSlerp(previous.orientation, current.orientation, previous.outControl,
                            current.inControl, t);
  orientation.normalize();
}
