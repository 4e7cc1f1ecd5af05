// session.cpp -- the scene run every host drives: start-up, one frame, end
#include "render/session.h"

#include <algorithm>

#include "data/mesh_lists.h"
#include "data/texture_catalogue.h"
#include "data/texture_upload.h"
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
#include "render/views.h"
#include "scene/environment.h"
#include "scene/scene_object.h"
#include "scene/world.h"

float speedFactor = 1.5f;

namespace {

// Twice the slowest frame a flight is run at (one a second, the lowest frame
// cap), and half the frame that would carry the camera past a whole key at
// the highest speed.
constexpr double kLongestSceneSeconds = 2.0;
// While a scene loads again, the last frame stays on screen.
bool reloading = false;

// The world to show: the first named "world", else the first world of the
// file (a worlds file without that name still shows something), else none.
void selectStartWorld() {
  currentWorld = worlds.find("world");
  if (!currentWorld && !worlds.empty()) currentWorld = worlds.front();
}

void updateAll(const SceneList& list, double frameSeconds) {
  for (SceneObject* object : list) object->update(frameSeconds);
}

// The flight's seed, kept for the views that join later.
struct Flight {
  bool started = false;
  std::uint32_t seed = 0;
} flight;

// Every view after the first flies from a stream of its own, seeded after it.
void startViewFlight(std::size_t index) {
  views[index].random.state = flight.seed + std::uint32_t(index);
  useViewStream(index);
  views[index].camera.startFlight();
  useViewStream(0);
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
  if (reloading) return;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  for (std::size_t i = 0; i < views.size(); ++i) {
    setView(views[i].rect, std::uint32_t(i));
    drawLoadingScreen();
  }
  glFinish();
  host().swapBuffers();
}

void startFlight(const std::uint32_t* seed) {
  frameStopwatch.start();
  flight = {true, seed ? *seed : std::uint32_t(frameStopwatch.startCount)};
  seedRandom(flight.seed);
  fpsStopwatch.start();
  speedFactor = speedFactorFor(settings.Speed);
  sceneClock = 0.0f;
  selectStartWorld();
  views[0].camera.startFlight();
  for (std::size_t i = 1; i < views.size(); ++i) startViewFlight(i);
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

double sceneSeconds(double frameSeconds) { return std::min(frameSeconds, kLongestSceneSeconds); }

void makeFrame(double frameSeconds) {
  frameSeconds = sceneSeconds(frameSeconds);
  for (std::size_t i = 0; i < views.size(); ++i) {
    useViewStream(i);
    views[i].camera.advance(double(speedFactor) * frameSeconds);
  }
  useViewStream(0);
  updateAll(firstPassList, frameSeconds);
  updateAll(worldObjectList, frameSeconds);
  updateAll(postPassList, frameSeconds);
  renderFrame();
  host().swapBuffers();
}

void reshapeScene(std::uint32_t width, std::uint32_t height) {
  reshapeViews({ViewRect{0, 0, width, height}});
}

void reshapeViews(const std::vector<ViewRect>& rects) {
  if (rects.empty()) return;
  const std::size_t before = views.size();
  views.resize(rects.size());
  for (std::size_t i = 0; i < rects.size(); ++i) views[i].rect = rects[i];
  if (flight.started)
    for (std::size_t i = std::max<std::size_t>(before, 1); i < views.size(); ++i) startViewFlight(i);
  setView(views[0].rect, 0);
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
  flight.started = false;
  deleteUploadedTextures();
  deleteMeshLists();
  deleteGlyphFont();
}

void reloadScene() {
  const std::uint32_t flightRandom = randomState();
  const Flight kept = flight;
  reloading = true;
  endScene();
  loadLoadingImages();
  loadScene();
  reloading = false;
  flight = kept;
  selectStartWorld();
  seedRandom(flightRandom);
  frameStopwatch.start();
}
