#pragma once

#include <vector>

#include "scene/scene_object.h"

// A record of "env.txt": the objects drawn before a world's own (first pass)
// and after them (post pass).
class Environment {
 public:
  char name[20] = {};
  SceneList firstPass;
  SceneList postPass;

  virtual ~Environment() = default;  // the objects are not destroyed
};

using EnvironmentList = std::vector<Environment*>;
extern EnvironmentList environments;

void loadEnvironments(EnvironmentList& list, const char* fileName);
Environment* findEnvironment(const EnvironmentList& list, const char* name);
// Deletes every environment with its objects and empties the list.
void deleteEnvironments(EnvironmentList& list);
