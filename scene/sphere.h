#pragma once
// sphere.h -- the sphere kind: planets, moons, shells and atmospheres

#include <cstdint>

#include "scene/scene_object.h"

// A display list (normally the unit sphere) scaled by a radius: the sun,
// planets and moons, atmosphere and cloud shells, flickering light shells,
// depth-only occluders and the sky shell around the camera.
class Sphere : public SceneObject {
 public:
  float radius = 5.0f;
  float fov = 1.0f;  // env: half-height of its own frustum at near distance 1
  float alpha = 1.0f;
  float tiling = 1.0f;
  float detiling = 0.0f;  // degrees added to the spin and the texture offset
  float period = 365.0f;  // orbit: 5000 / period degrees per second of sceneClock
  Vec3 rotationAxis{0, 1, 0};
  float spin = 0.0f;  // degrees
  float spinSpeed = 0.2f;  // degrees per second
  Vec3 orientAxis{1, 0, 0};
  float orientAngle = 90.0f;
  std::uint32_t displayList = 0;
  bool isMoon = false;
  float moonAngle;          // degrees, random start
  float moonSpeed = 0.5f;   // the moon turns 2 x moonSpeed degrees per second
  float flashTime = 1.0f;   // seconds into the current flash half-cycle
  float flashPeriod = 1.0f; // length of the current half-cycle
  bool flashOn = false;
  float texOffsetU, texOffsetV;  // random
  float texRotation = 0.0f;
  float orbitAngle = 0.0f;
  bool isEnv = false;
  bool isLight = false;
  bool hasAtmosphere = false;
  bool scan = false;
  bool followsOrbit = true;
  bool depthWritesOff = false;
  bool maskOnly = false;
  bool flash = false;
  bool randomFlash = false;
  bool relativeToParent = false;
  bool onParent = false;  // this frame's parent position is added (once, whatever the views)
  bool uranMoon = false;
  bool inclinedOrbit = false;
  bool specular = false;

  Sphere();
  void draw(CameraDirector& camera) override;
  void update(double elapsedSeconds) override;
  // The "wire" look: a flat shell of the sphere's colour over everything.
  void drawScan();

  // The block frame (scene/parse_block.h): the name of the "begin" line and
  // the carried defaults, then every keyword a line begins with.
  void beginBlock(const BlockReader& block);
  void parseLine(const BlockReader& block, const ObjectList& list);

 private:
  Vec3 parentPosition() const;
};

// What sphere blocks carry from one block to the next within an object file.
struct SphereParseState {
  float flashPhase = 0.0f;          // start phase of the next flash shell
  float moonScale = 1.0f;           // the next moon's speed is 2 x moonScale
  bool carriedAlphaTexture = false; // alpha flag of the last texture line
};
extern SphereParseState sphereParseState;
