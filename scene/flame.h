#pragma once
// flame.h -- the flame kind: a glowing elliptical ring with soft bands

#include "scene/scene_object.h"

// A glowing elliptical ring in world coordinates: a bright line with four
// soft bands (above, below, inside, outside) fading to transparent.
class Flame : public SceneObject {
 public:
  static constexpr int kRingPoints = 201;  // the last equals the first

  SceneObject* anchor = nullptr;  // kept from the "parent" line; not used to draw
  Vec3 ringCentre{0, 0, 0};
  Vec3 colourFrom{1, 1, 0};
  Vec3 colourTo{0, 0, 1};
  float bandWidth = 0.2f;
  float ringRadius = 0.8f;  // along z; along x it is ringRadius * ellipticity
  float slope = 0.0f;       // y rises by slope per unit of x
  float ellipticity = 1.0f;

  void draw(CameraDirector& camera) override;
  void update(double elapsedSeconds) override;
  // Applies every keyword the block's line begins with (scene/parse_block.h).
  void parseLine(const BlockReader& block, const ObjectList& list);

  // Point k (0..200) of the ellipse of radius `radius`, at the line's height.
  Vec3 ringPoint(int k, float radius) const;
};
