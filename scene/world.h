#pragma once
// world.h -- the records of "worlds.txt": a scene's own objects and its environment's passes

#include "data/owning_list.h"
#include "scene/environment.h"
#include "scene/scene_object.h"

// A record of "worlds.txt": one scene, its own objects and the two pass lists
// of its environment.
class World {
 public:
  ObjectList objects;
  const ObjectList* firstPass = nullptr;  // the environment's lists, not copies;
  const ObjectList* postPass = nullptr;   // null when no environment was found
  char sceneDir[50] = {};
  char name[20] = {};
  bool system = false;  // lit from the centre of a star system

  virtual ~World() = default;
};

using WorldList = OwningList<World>;
extern WorldList worlds;

void loadWorlds(WorldList& list, const EnvironmentList& environments, const char* fileName);
