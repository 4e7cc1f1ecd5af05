#pragma once
// billboard.h -- the billboard kind: a textured quad facing the camera, a halo, a sky element

#include "scene/scene_object.h"

// One textured quad, normally turned to face the camera, spinning in its own
// plane. It can also sit at a fixed direction from the camera (sky element),
// float above an anchor, ring a sphere as its halo, line up with its anchor's
// direction from the origin, or blink. Billboards have no name.
class Billboard : public SceneObject {
 public:
  float angle = 0.0f;  // in-plane rotation, degrees
  float size = 5.0f;   // half-height of the quad
  float alpha = 1.0f;
  float tiling = 1.0f;
  float angularSpeed;  // degrees per second, random
  float fov = 0.1f;    // env: half-height of its own frustum at near distance 1
  float aspect = 1.0f;
  float haloRadius = 1.0f;
  Vec3 upAxis{0, 1, 0};
  Vec3 rightAxis{1, 0, 0};
  Vec3 offset{0, 0, 0};  // of the last "parent", "env" or "oreol" line
  Vec3 tint{1, 1, 1};    // colour when anchored
  bool isEnv = false;
  bool fixedOrientation = false;
  bool blinking = false;
  bool alphaBlend = false;
  bool noDepthTest = false;
  bool isHalo = false;
  bool alignToParent = false;
  float blinkTime = 0.0f;  // seconds into the blink cycle
  float blinkDark = 0.0f;  // hidden part of the cycle, then
  float blinkLit = 0.0f;   // the shown part
  SceneObject* anchor = nullptr;  // not owned

  Billboard();
  void draw(CameraDirector& camera) override;
  void update(double elapsedSeconds) override;

  // Applies every keyword the block's line begins with (scene/parse_block.h).
  void parseLine(const BlockReader& block, const ObjectList& list);
};
