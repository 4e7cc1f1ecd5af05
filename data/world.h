#pragma once

#include <vector>

#include "data/environment.h"
#include "scene/scene_object.h"

// A record of "worlds.txt": one scene, its own objects and the two pass lists
// of its environment.
class World {
 public:
  SceneList objects;
  SceneList* firstPass = nullptr;  // the environment's lists, not copies;
  SceneList* postPass = nullptr;   // null when no environment was found
  char sceneDir[50] = {};
  char name[20] = {};
  bool system = false;  // lit from the centre of a star system

  virtual ~World() = default;
};

using WorldList = std::vector<World*>;
extern WorldList worlds;

void loadWorlds(WorldList& list, const EnvironmentList& environments, const char* fileName);
World* findWorld(const WorldList& list, const char* name);
// Deletes every world with its own objects and empties the list.
void deleteWorlds(WorldList& list);
