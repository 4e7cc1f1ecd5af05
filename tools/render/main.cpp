// main.cpp -- orbivane-render: the headless host of the core
#include <cstdio>
#include <ctime>
#include <string>

#include "tools/render/camera_dump.h"
#include "tools/render/render_options.h"
#include "tools/render/scene_run.h"

int main(int argc, char** argv) {
  RenderOptions options;
  std::string error;
  if (!parseRenderOptions(argc, argv, options, &error)) {
    std::fprintf(stderr, "orbivane-render: %s\n%s", error.c_str(), renderUsage());
    return 2;
  }
  if (!options.cameraOnly) return runScene(options, stdout, stderr);
  if (!options.seedGiven) options.seed = std::uint32_t(std::time(nullptr));
  printCameraFlight(options, stdout);
  return 0;
}
