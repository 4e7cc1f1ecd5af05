// mesh_fuzz.cpp -- fuzz target: one mesh data member compiled into every display list
// Fuzz target: one mesh data member read and compiled into every display
// list the saver builds from the sphere mesh (plain, noised, atmosphere,
// scatter) and kept in memory, on a headless context.
#include <cstdint>
#include <vector>

#include "data/mesh_lists.h"
#include "fuzz/headless_gl.h"
#include "fuzz/input_members.h"
#include "math/random.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  makeFuzzContextCurrent();
  constexpr const char* kMesh = "meshes\\sphere.dat";
  useAsDataArchive({{kMesh, std::vector<unsigned char>(data, data + size)}});
  seedRandom(1);
  {
    const GlNamesSince names;
    loadMeshList(sphereList, kMesh, false);
    loadMeshList(noisedSphereList, kMesh, true);
    buildAtmosphereLists(kMesh);
    loadRetainedMesh(kMesh);
  }
  sphereList = noisedSphereList = DisplayListHolder();
  atmosphereList = scatterList = 0;
  retainedSphereMesh = MeshArrays();
  return 0;
}
