#include "render/scene_setup.h"

#include "data/environment.h"
#include "data/mesh_lists.h"
#include "data/texture_catalogue.h"
#include "data/world.h"
#include "render/frame.h"
#include "render/hud.h"

void loadLoadingImages() {
  loadTexture(loadingImage, "load.jpg");
  loadTexture(signImage, "sign.jpg");
}

void loadSceneData() {
  loadTextureCatalogue(textureCatalogue, "texture.txt", true);
  buildGlyphFont();
  loadMeshList(envList, "meshes\\env.dat", false);
  loadMeshList(sphereList, "meshes\\sphere.dat", false);
  loadMeshList(noisedSphereList, "meshes\\sphere.dat", true);
  buildAtmosphereLists("meshes\\sphere.dat");
  loadRetainedMesh("meshes\\sphere.dat");
  loadEnvironments(environments, "env.txt");
  loadWorlds(worlds, environments, "worlds.txt");
}

void selectStartWorld() {
  currentWorld = findWorld(worlds, "world");
  // A worlds file without a world of that name still shows its first world.
  if (!currentWorld && !worlds.empty()) currentWorld = worlds.front();
}
