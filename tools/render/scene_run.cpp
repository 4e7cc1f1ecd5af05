// scene_run.cpp -- orbivane-render's run: an off-screen context, the scene, frames, pictures, timings
#include "tools/render/scene_run.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "data/archive.h"
#include "gl/gl.h"
#include "gl/point_occlusion.h"
#include "gl/textured_quad.h"
#include "hostkit/console_host.h"
#include "hostkit/egl_context.h"
#include "render/session.h"
#include "tools/render/frame_stats.h"
#include "tools/render/png_file.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// No window: messages go to the error stream, and each loading step
// redraws the loading screen into the pbuffer.
class RenderHost : public ConsoleHost {
 public:
  explicit RenderHost(std::FILE* err) : ConsoleHost("orbivane-render", err) {}
  void loadingStep() override { drawLoadingStep(); }
  void* glProcAddress(const char* name) override { return EglContext::procAddress(name); }
};

std::string framePath(const std::string& dir, int frame) {
  char name[32];
  std::snprintf(name, sizeof name, "frame-%06d.png", frame);
  return dir + "/" + name;
}

bool writePicture(const std::string& path, const RenderOptions& options, std::FILE* err) {
  std::string error;
  if (writeFramePng(path, int(options.width), int(options.height), &error)) return true;
  std::fprintf(err, "orbivane-render: %s\n", error.c_str());
  return false;
}

}  // namespace

int runScene(const RenderOptions& options, std::FILE* out, std::FILE* err) {
  EglContext context;
  const char* contextError = nullptr;
  if (!context.create(int(options.width), int(options.height), &contextError)) {
    std::fprintf(err, "orbivane-render: %s\n", contextError);
    return 1;
  }
  if (!options.shotsDir.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(options.shotsDir, ec);
    if (!std::filesystem::is_directory(options.shotsDir, ec)) {
      std::fprintf(err, "orbivane-render: cannot make the folder %s\n", options.shotsDir.c_str());
      return 1;
    }
  }

  const std::string archive = options.dataDir + "/data.sdd";
  setDataArchivePath(archive.c_str());
  RenderHost host(err);
  setHost(&host);
  applySceneOptions(options);
  skipDarkCells = !options.wholeQuads;
  useOcclusionQueries = !options.depthReads;
  reshapeScene(options.width, options.height);

  const Clock::time_point loadStart = Clock::now();
  startScene(options.seedOrNull());
  const double loadMs = millisecondsSince(loadStart);
  host.reportEmptyScene(options.dataDir);

  std::vector<double> frameMs;
  frameMs.reserve(std::size_t(options.frames));
  bool written = true;
  for (int i = 0; i < options.frames && written; ++i) {
    const double measuredSeconds = takeFrameTime();
    const Clock::time_point frameStart = Clock::now();
    makeFrame(options.frameSeconds(i, measuredSeconds));
    if (options.bench) glFinish();  // a frame's time includes its drawing
    frameMs.push_back(millisecondsSince(frameStart));
    if (!options.shotsDir.empty() && i % options.every == 0)
      written = writePicture(framePath(options.shotsDir, i), options, err);
  }
  if (written && !options.shot.empty()) written = writePicture(options.shot, options, err);
  if (written && options.bench) {
    std::fprintf(out, "renderer=%s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    printBenchLine(out, loadMs, frameMs.size(), summariseFrames(frameMs));
  }
  endScene();
  setHost(nullptr);
  return written ? 0 : 1;
}
