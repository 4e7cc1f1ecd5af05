// x11_run.cpp -- the Linux program's run: window, loading, frame loop, end
#include "x11/x11_run.h"

#include <time.h>

#include <cerrno>
#include <cstdio>

#include "data/archive.h"
#include "data/data_file.h"
#include "host/host_hooks.h"
#include "host/settings.h"
#include "render/frame.h"
#include "render/session.h"
#include "x11/pulse_music.h"
#include "x11/stop_request.h"
#include "x11/x11_window.h"

namespace {

X11Window* hookWindow = nullptr;  // the window the core's hooks draw into

void applyOptions(const X11Options& options) {
  settings.Speed = options.speed;
  settings.ShowClock = options.clock;
  settings.TimeFormat = options.twelveHour;
  settings.ShowFPS = options.fps;
  settings.EnableMusic = options.music && !options.underHost();
  settings.Volume = options.volume;
  settings.VSync = options.vsync;
  settings.MouseExit = options.mouseExit;
  settings.DefGamma = true;
}

void fitScene(const X11Window& window) {
  reshapeScene(std::uint32_t(window.width()), std::uint32_t(window.height()));
}

// Handles the window's events and follows its size; true when the window is
// gone or closed, or the person ended the run.
bool followWindow(X11Window& window) {
  const WindowEvents events = window.pollEvents();
  if (events.resized) fitScene(window);
  return events.end;
}

void installHooks() {
  hostHooks = HostHooks{};
  hostHooks.showMessage = [](const char* text, const char* caption) {
    std::fprintf(stderr, "orbivane: %s: %s\n", caption, text);
  };
  // Between loading steps the window's events are handled too, so that a
  // window that goes away or changes size during loading is noticed.
  hostHooks.loadingStep = [] {
    if (followWindow(*hookWindow)) stopRequested = 1;
    drawLoadingStep();
    hookWindow->swapBuffers();
  };
  hostHooks.loadingCancelled = [] { return stopRequested != 0; };
}

// Holds the frame rate at a cap by sleeping until each frame's turn; a
// signal cuts the sleep short.
class FrameCap {
 public:
  explicit FrameCap(int framesPerSecond)
      : periodNs_(framesPerSecond > 0 ? 1000000000L / framesPerSecond : 0) {
    clock_gettime(CLOCK_MONOTONIC, &next_);
  }

  void wait() {
    if (periodNs_ == 0) return;
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    advance(next_, periodNs_);
    // A frame that ran late starts the schedule again rather than rushing.
    if (nanoseconds(next_) < nanoseconds(now)) next_ = now;
    while (!stopRequested &&
           clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next_, nullptr) == EINTR) {
    }
  }

 private:
  static long long nanoseconds(const timespec& t) { return t.tv_sec * 1000000000LL + t.tv_nsec; }
  static void advance(timespec& t, long ns) {
    t.tv_nsec += ns;
    while (t.tv_nsec >= 1000000000L) {
      t.tv_nsec -= 1000000000L;
      ++t.tv_sec;
    }
  }

  long periodNs_;
  timespec next_;
};

void reportData(const std::string& dataDir) {
  const std::string missing = missingArchiveReason(dataDir);
  if (!missing.empty())
    std::fprintf(stderr, "orbivane: %s: the screen stays black\n", missing.c_str());
  else if (!currentWorld && !stopRequested)
    std::fprintf(stderr, "orbivane: %s/data.sdd holds no scene to show: the screen stays black\n",
                 dataDir.c_str());
}

}  // namespace

int runX11(const X11Options& options, const std::string& dataDir) {
  installStopSignals();
  X11Window window;
  std::string error;
  if (!window.open(options, &error)) {
    std::fprintf(stderr, "orbivane: %s\n", error.c_str());
    return 1;
  }
  hookWindow = &window;
  applyOptions(options);
  fitScene(window);
  const std::string archive = dataDir + "/data.sdd";
  setDataArchivePath(archive.c_str());
  installHooks();
  window.setSwapInterval(options.vsync ? 1 : 0);

  loadLoadingImages();
  loadScene();
  PulseMusic player;
  if (settings.EnableMusic && !stopRequested) {
    DataFile music;  // the player keeps a copy of the track
    if (music.open("music.ogg")) player.start(music.data, music.size, settings.Volume);
  }
  startFlight(options.seedGiven ? &options.seed : nullptr);
  reportData(dataDir);

  FrameCap cap(options.maxFps);
  while (!stopRequested && !followWindow(window)) {
    makeFrame(takeFrameTime());
    window.swapBuffers();
    cap.wait();
  }

  player.stop();
  endScene();
  window.close();
  hookWindow = nullptr;
  return 0;
}
