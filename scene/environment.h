#pragma once
// environment.h -- the records of "env.txt": the objects drawn before and after a world's own

#include "data/owning_list.h"
#include "scene/scene_object.h"

// A record of "env.txt": the objects drawn before a world's own (first pass)
// and after them (post pass).
class Environment {
 public:
  char name[20] = {};
  ObjectList firstPass;
  ObjectList postPass;

  virtual ~Environment() = default;
};

using EnvironmentList = OwningList<Environment>;
extern EnvironmentList environments;

void loadEnvironments(EnvironmentList& list, const char* fileName);
