#pragma once
// mesh_object.h -- the mesh kind: a triangle mesh placed, turned and scaled

#include <cstdint>

#include "scene/scene_object.h"

// One triangle mesh (the display list of the object file's latest
// "geometry" line) placed with a position, a frame, a fixed extra rotation
// and a uniform scale. Static: update does nothing.
class MeshObject : public SceneObject {
 public:
  float speed = 0;  // recorded, no effect
  std::uint32_t displayList = 0;
  float orientAngle = 0;  // degrees about orientAxis
  float scale = 1;
  float tiling = 4;     // recorded, no effect
  bool chrome = true;   // recorded, no effect
  bool metal = false;   // specular material with light 0
  bool light = false;   // texture added to the lit colour
  bool invup = false;   // recorded, no effect
  bool illum = false;   // drawn unlit
  bool blend = false;   // alpha-blended, both faces, opacity from colour's red
  Vec3 orientAxis{0, 1, 0};

  void draw(CameraDirector& camera) override;
  void update(double elapsedSeconds) override;

  // The block frame (scene/parse_block.h): the name of the "begin" line and
  // the latest geometry, then every keyword a line begins with; "material"
  // reads the four lines after it.
  void beginBlock(const BlockReader& block);
  void parseLine(BlockReader& block, const ObjectList& list);
};
