// worlds_fuzz.cpp -- fuzz target: the worlds file with its environments and object files
// Fuzz target: the worlds file with its object files, after the
// environments it links to, loaded on a headless context. The input is
// "worlds.txt" followed by "env.txt", object files and meshes (see
// input_members.h).
#include <cstdint>

#include "fuzz/headless_gl.h"
#include "fuzz/input_members.h"
#include "math/random.h"
#include "scene/environment.h"
#include "scene/world.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  makeFuzzContextCurrent();
  useAsDataArchive(splitInputMembers(data, size, "worlds.txt"));
  seedRandom(1);
  const GlNamesSince names;
  EnvironmentList environmentList;
  WorldList worldList;
  loadEnvironments(environmentList, "env.txt");
  loadWorlds(worldList, environmentList, "worlds.txt");
  worldList.deleteAll();
  environmentList.deleteAll();
  return 0;
}
