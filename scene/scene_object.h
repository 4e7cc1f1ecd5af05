#pragma once
// scene_object.h -- the base of every kind drawn in the scene, and the lists that hold them

#include <cstdint>
#include <vector>

#include "data/owning_list.h"
#include "math/vec3.h"

class BlockReader;
class CameraDirector;

// Everything drawn in the 3D scene. Objects are made by their kind's parser
// while object files load and live for the whole run.
class SceneObject {
 public:
  SceneObject* parent = nullptr;  // not owned
  Vec3 position{0, 0, 0};
  Vec3 xAxis{0, 0, 1};
  Vec3 yAxis{1, 0, 0};
  Vec3 homePosition{0, 0, 0};
  Vec3 colour{1, 1, 1};
  std::uint32_t texture = 0;  // OpenGL texture name
  char name[15] = {};
  bool hasTexture = false;    // draw binds `texture`
  bool alphaTexture = false;  // the texture name ends in "tga": alpha blending

  virtual ~SceneObject() = default;
  // Leaves the modelview matrix as it found it; the view transform is loaded.
  virtual void draw(CameraDirector& camera) = 0;
  virtual void update(double elapsedSeconds) = 0;

  // alphaTexture from the name alone (lower-case "tga"), then the texture of
  // the catalogue entry with that path, if there is one (an error to the
  // host, at the object file's line, if not).
  void assignTexture(const char* path);
  // A "texture NAME" line: assigns the named texture and turns texturing on;
  // false when the line names none.
  bool readTextureLine(const char* line);
  // Copies the name, cut to 14 characters.
  void setName(const char* text);

  // What a kind's parser does besides its keyword lines (see scene/parse_block.h);
  // a kind that needs either hides these with its own.
  void beginBlock(const BlockReader&) {}  // the block's "begin" line has been read
  void endBlock(const BlockReader&) {}    // its "end" line has been read
};

// The objects of one object file, in file order, owned: a world's objects,
// an environment's first and post passes.
using ObjectList = OwningList<SceneObject>;

// Pointers in file order that own nothing: the active lists.
using SceneList = std::vector<SceneObject*>;

// What the frame updates and draws, copied from the current world each frame.
extern SceneList firstPassList;
extern SceneList worldObjectList;
extern SceneList postPassList;

// Seconds of scene time; the saver run keeps it at 0.
extern float sceneClock;

// The first object of the list with exactly this name, or null.
inline SceneObject* findByName(const ObjectList& list, const char* name) { return list.find(name); }
