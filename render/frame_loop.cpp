#include "render/frame_loop.h"

#include "camera/camera_director.h"
#include "render/frame.h"
#include "scene/scene_object.h"

float speedFactor = 1.5f;

namespace {

void updateAll(const SceneList& list, double frameSeconds) {
  for (SceneObject* object : list) object->update(frameSeconds);
}

}  // namespace

void runFrame(double frameSeconds) {
  cameraDirector.advance(double(speedFactor) * frameSeconds);
  updateAll(firstPassList, frameSeconds);
  updateAll(worldObjectList, frameSeconds);
  updateAll(postPassList, frameSeconds);
  renderFrame();
}
