#pragma once
// flare.h -- the flare kind: a glare sprite tested for occlusion, and its lens effect

#include <cstdint>
#include <vector>

#include "gl/point_occlusion.h"
#include "math/mat4.h"
#include "scene/scene_object.h"

// The glare of a bright light: a screen-aligned sprite where the source
// projects, faded in and out by a visibility test of the source, optionally
// with a lens effect of three rings and 23 elements through the screen centre.
class Flare : public SceneObject {
 public:
  static constexpr int kLensElements = 23;
  // Place of each element on the line from the source (0) through the
  // screen centre (1), and its half-size as a multiple of lensSize.
  static constexpr float lensPositions[kLensElements] = {
      -0.08f, 0.21f, 0.32f, 0.7f, 0.85f, 0.89f, 1.21f, 1.39f, 1.44f, 1.8f, -0.3f, 0.6f,
      0.4f,   0.75f, 0.8f,  0.49f, 1.11f, 1.9f, 0.44f, 0.83f, -0.13f, 0.16f, 0.55f};
  static constexpr float lensScales[kLensElements] = {
      1.0f, 0.1f, 0.5f, 0.1f, 0.8f, 0.12f, 0.5f, 0.2f, 0.4f, 1.3f, 0.5f, 0.2f,
      0.4f, 0.3f, 0.1f, 0.42f, 0.5f, 0.2f, 0.4f, 1.3f, 0.5f, 0.2f, 0.4f};

  // What one view sees of the source: its last visibility test, and the
  // brightness that moves towards 1 while unoccluded, towards 0 otherwise.
  struct Sight {
    float fade = 0.0f;
    bool unoccluded = false;
    PointOcclusion test;
  };
  std::vector<Sight> sights{1};  // one a view, grown as views draw

  // Half-sizes in pixels of the 800 x 600 layout (gl/gl_state.h, pictureScale).
  float size = 10.0f;     // the sprite's
  float lensSize = 5.0f;  // the lens elements' base
  float fadeIn = 6.0f;    // per second
  float fadeOut = 6.0f;   // per second
  float fov = 0.1f;       // env flare: half-height of its frustum at distance 1
  float angle = 0.0f;     // sprite rotation, degrees in 0..360
  float angularSpeed = 24.0f;  // degrees per second
  float aspect = 1.0f;         // horizontal stretch of the sprite
  float flickerTime = 0.0f;    // advances 6 per second
  float dimUntil = 0.0f;
  float cycleEnd = 0.0f;
  float flicker = 0.0f;  // flicker amplitude in seconds
  float focusThreshold = 0.0f;
  float lumin = 1.0f;
  SceneObject* anchor = nullptr;  // not owned
  bool lensEffect = false;
  bool isEnv = false;  // offset is a direction from the camera
  bool hasFocus = false;
  bool hasOrient = false;
  Vec3 offset{0, 0, 0};
  Vec3 orientPoint{0, 0, 0};
  std::uint32_t lensTextures[3] = {0, 0, 0};
  // A "parent" line named an object that is not there: the flare sits at its
  // offset from the origin, as if the parent stood there with default axes.
  bool anchorMissing = false;

  void draw(CameraDirector& camera) override;
  void update(double elapsedSeconds) override;
  // Applies every keyword the block's line begins with (scene/parse_block.h);
  // "lenseffect" reads the four lines after it.
  void parseLine(BlockReader& block, const ObjectList& list);

 private:
  void drawSprite(const Mat4& placed) const;
  void drawLensEffect(const Vec3& source, const Vec3& centre) const;
};
