// environment_fuzz.cpp -- fuzz target: the environment file and the object files it names
// Fuzz target: the environment file and the object files it names, loaded
// on a headless context. The input is "env.txt" followed by object files and
// meshes (see input_members.h).
#include <cstdint>

#include "fuzz/headless_gl.h"
#include "fuzz/input_members.h"
#include "math/random.h"
#include "scene/environment.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  makeFuzzContextCurrent();
  useAsDataArchive(splitInputMembers(data, size, "env.txt"));
  seedRandom(1);
  const GlNamesSince names;
  EnvironmentList list;
  loadEnvironments(list, "env.txt");
  list.deleteAll();
  return 0;
}
