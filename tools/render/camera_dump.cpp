// camera_dump.cpp -- orbivane-render --camera: the flight's camera poses, one line a frame
#include "tools/render/camera_dump.h"

#include "camera/camera_director.h"
#include "host/settings.h"
#include "math/random.h"
#include "render/session.h"

void printCameraFlight(const RenderOptions& options, std::FILE* out) {
  seedRandom(options.seed);
  CameraDirector camera;
  camera.startFlight();
  const float speed = speedFactorFor(options.speed);
  for (int i = 0; i < options.frames; ++i) {
    camera.advance(sceneSeconds(options.frameSeconds(i, 1.0 / 60.0)) * speed);
    std::fprintf(out, "%d %.9g %.9g %.9g %.9g %.9g %.9g %.9g %.9g %.9g\n", i, camera.eye.x,
                 camera.eye.y, camera.eye.z, camera.forward.x, camera.forward.y,
                 camera.forward.z, camera.up.x, camera.up.y, camera.up.z);
  }
}
