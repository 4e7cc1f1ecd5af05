// frame.cpp -- one frame: the active lists, the view, every object drawn, the overlays
#include "render/frame.h"

#include "camera/camera_director.h"
#include "gl/gl.h"
#include "gl/gl_state.h"
#include "host/host.h"
#include "host/settings.h"
#include "render/hud.h"
#include "render/stopwatch.h"
#include "render/views.h"
#include "scene/scene_object.h"
#include "scene/world.h"

World* currentWorld = nullptr;
std::uint32_t framesThisSecond = 0;
std::uint32_t shownFps = 0;

void lookThroughCamera(const CameraDirector& camera) {
  loadCameraView(camera.eye, camera.eye + camera.forward, camera.up);
}

namespace {

void copyList(SceneList& target, const ObjectList* source) {
  if (source)
    target = source->items();
  else
    target.clear();
}

// Lights are placed after the view transform so they stay fixed in the world:
// a star system is lit from its centre, anything else from far out along +z.
void placeLights(bool system) {
  if (system) {
    const GLfloat centre[] = {0, 0, 0, 1};
    glLightfv(GL_LIGHT1, GL_POSITION, centre);
  } else {
    const GLfloat farAway[] = {0, 0, 1000000, 1};
    glLightfv(GL_LIGHT1, GL_POSITION, farAway);
    glLightfv(GL_LIGHT0, GL_POSITION, farAway);
  }
}

void drawAll(const SceneList& list, CameraDirector& camera) {
  for (SceneObject* object : list) object->draw(camera);
}

// Closes the frames-per-second window at the first frame after a second.
void countFpsWindow() {
  if (fpsStopwatch.elapsed() > 1.0) {
    shownFps = framesThisSecond;
    framesThisSecond = 0;
    host().secondPassed();
    fpsStopwatch.start();
  }
}

void drawOverlays() {
  blendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  pushOverlay800x600(OverlayAnchor::kTopLeft);
  glLoadIdentity();
  // Clears any texture-matrix change an object left behind.
  loadTextureIdentity();
  if (settings.ShowFPS) drawFps(shownFps);
  popOverlay();
  if (settings.ShowClock) drawClock();
}

// One view's picture: the scene through its camera, then the overlays.
void drawView(CameraDirector& camera) {
  lookThroughCamera(camera);
  placeLights(currentWorld->system);
  drawAll(firstPassList, camera);
  drawAll(worldObjectList, camera);
  drawAll(postPassList, camera);
  lookThroughCamera(camera);
  drawOverlays();
  enableCap(GL_BLEND);
}

}  // namespace

void renderFrame() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (!currentWorld) {
    countFpsWindow();  // the seconds still pass for the host's pointer rule
    return;
  }

  copyList(firstPassList, currentWorld->firstPass);
  copyList(postPassList, currentWorld->postPass);
  worldObjectList = currentWorld->objects.items();

  countFpsWindow();
  for (std::size_t i = 0; i < views.size(); ++i) {
    setView(views[i].rect, std::uint32_t(i));
    useViewStream(i);
    drawView(views[i].camera);
  }
  useViewStream(0);
  ++framesThisSecond;
  glFlush();
}
