// session.cpp -- the scene run every host drives: start-up, one frame, end
#include "render/session.h"

#include "camera/camera_director.h"
#include "data/mesh_lists.h"
#include "data/texture_catalogue.h"
#include "gl/gl.h"
#include "gl/gl_driver.h"
#include "gl/gl_state.h"
#include "gl/texture_coverage.h"
#include "host/host.h"
#include "host/settings.h"
#include "math/random.h"
#include "render/frame.h"
#include "render/hud.h"
#include "render/stopwatch.h"
#include "scene/environment.h"
#include "scene/scene_object.h"
#include "scene/world.h"

float speedFactor = 1.5f;

namespace {

// The world to show: the first named "world", else the first world of the
// file (a worlds file without that name still shows something), else none.
void selectStartWorld() {
  currentWorld = worlds.find("world");
  if (!currentWorld && !worlds.empty()) currentWorld = worlds.front();
}

void updateAll(const SceneList& list, double frameSeconds) {
  for (SceneObject* object : list) object->update(frameSeconds);
}

}  // namespace

void loadLoadingImages() {
  loadTexture(loadingImage, "load.jpg");
  loadTexture(signImage, "sign.jpg");
}

void loadScene() {
  initGlState();
  readGlDriver();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  loadTextureCatalogue(textureCatalogue, "texture.txt", true);
  buildGlyphFont();
  loadMeshList(envList, "meshes\\env.dat", false);
  loadMeshList(sphereList, "meshes\\sphere.dat", false);
  loadMeshList(noisedSphereList, "meshes\\sphere.dat", true);
  buildAtmosphereLists("meshes\\sphere.dat");
  loadRetainedMesh("meshes\\sphere.dat");
  loadEnvironments(environments, "env.txt");
  loadWorlds(worlds, environments, "worlds.txt");
  sceneClock = 0.0f;
}

void drawLoadingStep() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  drawLoadingScreen();
  glFinish();
  host().swapBuffers();
}

void startFlight(const std::uint32_t* seed) {
  frameStopwatch.start();
  seedRandom(seed ? *seed : std::uint32_t(frameStopwatch.startCount));
  fpsStopwatch.start();
  speedFactor = speedFactorFor(settings.Speed);
  sceneClock = 0.0f;
  selectStartWorld();
  cameraDirector.startFlight();
}

void startScene(const std::uint32_t* seed) {
  loadLoadingImages();
  loadScene();
  startFlight(seed);
}

double takeFrameTime() {
  const double seconds = frameStopwatch.elapsed();
  frameStopwatch.start();
  return seconds;
}

void makeFrame(double frameSeconds) {
  cameraDirector.advance(double(speedFactor) * frameSeconds);
  updateAll(firstPassList, frameSeconds);
  updateAll(worldObjectList, frameSeconds);
  updateAll(postPassList, frameSeconds);
  renderFrame();
  host().swapBuffers();
}

void reshapeScene(std::uint32_t width, std::uint32_t height) {
  drawableSize = {width, height};
  glViewport(0, 0, GLsizei(width), GLsizei(height));
}

void endScene() {
  worlds.deleteAll();
  environments.deleteAll();
  textureCatalogue.deleteAll();
  forgetTextureCoverage();
  firstPassList.clear();
  worldObjectList.clear();
  postPassList.clear();
  currentWorld = nullptr;
}
