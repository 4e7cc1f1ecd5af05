// object_file_fuzz.cpp -- fuzz target: one object file parsed, updated and drawn
// Fuzz target: one object file through the kind dispatch and all six
// kinds' parsers, then one update and one draw of every object it made, on
// a headless context that holds a small texture catalogue and the sphere
// lists. The input is the object file followed by the meshes its geometry
// lines name (see input_members.h).
#include <cstdint>
#include <string>
#include <vector>

#include "camera/camera_director.h"
#include "data/mesh_lists.h"
#include "data/texture_catalogue.h"
#include "fuzz/fuzz_limits.h"
#include "fuzz/headless_gl.h"
#include "fuzz/input_members.h"
#include "gl/gl.h"
#include "math/random.h"
#include "render/frame.h"
#include "scene/object_file.h"
#include "tests/data/data_fixtures.h"

namespace {

CameraDirector& camera() {
  static CameraDirector director;
  return director;
}

RarMember text(const std::string& name, const std::string& bytes) {
  return {name, std::vector<unsigned char>(bytes.begin(), bytes.end())};
}

// What the saver has loaded before it reads object files: textures that
// blocks can name, the environment and sphere meshes, the camera's flight.
void loadSceneBeforeObjects() {
  makeFuzzContextCurrent();
  const Bytes sphere = meshFile(sphereMesh(6));
  useAsDataArchive({
      text("texture.txt", "rock.jpg\nhalo.tga\nflare.tga\nEND_TEXT\n"),
      {"textures\\rock.jpg", jpegFile(8, 8, 3, filled(8, 8, {120, 90, 60}))},
      {"textures\\halo.tga", tgaFile(TgaHeader{0, 0, 2, 0, 0, 0, 4, 4, 32, 8},
                                     filled(4, 4, {200, 220, 255, 128}))},
      {"textures\\flare.tga", tgaFile(TgaHeader{0, 0, 3, 0, 0, 0, 4, 4, 8, 0}, filled(4, 4, {255}))},
      {"meshes\\sphere.dat", sphere},
      {"meshes\\env.dat", sphere},
  });
  seedRandom(1);
  loadTextureCatalogue(textureCatalogue, "texture.txt", false);
  loadMeshList(envList, "meshes\\env.dat", false);
  loadMeshList(sphereList, "meshes\\sphere.dat", false);
  loadMeshList(noisedSphereList, "meshes\\sphere.dat", true);
  buildAtmosphereLists("meshes\\sphere.dat");
  loadRetainedMesh("meshes\\sphere.dat");
  camera().startFlight();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = (loadSceneBeforeObjects(), true);
  (void)ready;
  useAsDataArchive(splitInputMembers(data, size, "objects.txt"));
  seedRandom(1);
  const DisplayListHolder geometryBefore = geometryList;
  const GlNamesSince names;
  ObjectList list;
  loadObjectFile(list, "objects.txt");
  for (SceneObject* object : list) object->update(kFuzzFrameSeconds);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glMatrixMode(GL_MODELVIEW);
  lookThroughCamera(camera());
  for (SceneObject* object : list) object->draw(camera());
  glFinish();
  list.deleteAll();
  geometryList = geometryBefore;
  return 0;
}
