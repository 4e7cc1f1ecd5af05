#include "tools/render/scene_run.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "data/archive.h"
#include "host/host_hooks.h"
#include "host/settings.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/session.h"
#include "render/textured_quad.h"
#include "tools/egl/egl_context.h"
#include "tools/render/frame_stats.h"
#include "tools/render/png_file.h"

namespace {

using Clock = std::chrono::steady_clock;

std::FILE* messageStream = stderr;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void applyOptions(const RenderOptions& options) {
  settings.Width = options.width;
  settings.Height = options.height;
  settings.ShowFPS = options.showFps;
  settings.ShowClock = options.showClock;
  settings.TimeFormat = options.twelveHour;
  settings.Speed = options.speed;
  settings.EnableMusic = false;
  skipDarkCells = !options.wholeQuads;
}

// No window to own a message box or a swap: messages go to stderr, and each
// loading step redraws the loading screen into the pbuffer.
void installHooks() {
  hostHooks = HostHooks{};
  hostHooks.showMessage = [](const char* text, const char* caption) {
    std::fprintf(messageStream, "orbivane-render: %s: %s\n", caption, text);
  };
  hostHooks.loadingStep = drawLoadingStep;
}

}  // namespace

void startScene(const RenderOptions& options, std::FILE* err) {
  messageStream = err;
  applyOptions(options);
  installHooks();
  loadLoadingImages();
  loadScene();
  startFlight(options.seedGiven ? &options.seed : nullptr);
}

namespace {

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
  const std::string missing = missingArchiveReason(options.dataDir);
  if (!missing.empty()) std::fprintf(err, "orbivane-render: %s: the scene is empty\n", missing.c_str());

  const Clock::time_point loadStart = Clock::now();
  startScene(options, err);
  const double loadMs = millisecondsSince(loadStart);
  if (!currentWorld) std::fprintf(err, "orbivane-render: no world to show: the frames are black\n");

  std::vector<double> frameMs;
  frameMs.reserve(std::size_t(options.frames));
  for (int i = 0; i < options.frames; ++i) {
    const double measuredSeconds = takeFrameTime();
    const Clock::time_point frameStart = Clock::now();
    makeFrame(options.dtGiven ? options.dt : measuredSeconds);
    glFinish();
    frameMs.push_back(millisecondsSince(frameStart));
    if (!options.shotsDir.empty() && i % options.every == 0 &&
        !writePicture(framePath(options.shotsDir, i), options, err)) {
      endScene();
      return 1;
    }
  }
  const bool shotWritten = options.shot.empty() || writePicture(options.shot, options, err);
  if (shotWritten && options.bench) {
    std::fprintf(out, "renderer=%s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    printBenchLine(out, loadMs, frameMs.size(), summariseFrames(frameMs));
  }
  endScene();
  return shotWritten ? 0 : 1;
}
