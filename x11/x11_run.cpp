// x11_run.cpp -- the Linux program's run: window, loading, frame loop, end
#include "x11/x11_run.h"

#include <time.h>

#include <cerrno>
#include <cstdio>
#include <optional>

#include "data/archive.h"
#include "data/data_file.h"
#include "host/settings.h"
#include "hostkit/console_host.h"
#include "render/session.h"
#include "x11/display_power.h"
#include "x11/pulse_music.h"
#include "x11/scene_watch.h"
#include "x11/stop_request.h"
#include "x11/x11_window.h"

namespace {

// The Linux program as the core's host: it draws into its window, swaps
// there, and ends loading early when a signal or the window asks it to.
class X11Host : public ConsoleHost {
 public:
  explicit X11Host(X11Window& window) : ConsoleHost("orbivane", stderr), window_(window) {}

  // Handles the window's events and follows its size and the monitors;
  // true when the window is gone or closed, or the person ended the run.
  bool followWindow() {
    const WindowEvents events = window_.pollEvents();
    if (events.monitorsChanged) window_.coverMonitors();
    if (events.resized || events.monitorsChanged) fitScene();
    return events.end;
  }

  // A view on each monitor the window covers, or one filling the window.
  void fitScene() {
    std::size_t primary = 0;
    const std::vector<DesktopRect> monitors =
        window_.spansMonitors() ? window_.monitors(primary) : std::vector<DesktopRect>{};
    reshapeViews(viewsInWindow(monitors, primary, window_.placement()));
  }

  // Between loading steps the window's events are handled too, so that a
  // window that goes away or changes size during loading is noticed.
  void loadingStep() override {
    if (followWindow()) stopRequested = 1;
    drawLoadingStep();
  }
  bool loadingCancelled() override { return stopRequested != 0; }
  void swapBuffers() override { window_.swapBuffers(); }
  void secondPassed() override { window_.restartPointerCount(); }
  void setSwapInterval(int interval) override { window_.setSwapInterval(interval); }
  void* glProcAddress(const char* name) override { return window_.procAddress(name); }

 private:
  X11Window& window_;
};

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

}  // namespace

int runX11(const X11Options& options, const std::string& dataDir) {
  installStopSignals();
  X11Window window;
  std::string error;
  if (!window.open(options, &error)) {
    std::fprintf(stderr, "orbivane: %s\n", error.c_str());
    return 1;
  }
  X11Host host(window);
  setHost(&host);
  applySceneOptions(options);
  if (options.underHost()) settings.EnableMusic = false;
  host.fitScene();
  const std::string archive = dataDir + "/data.sdd";
  setDataArchivePath(archive.c_str());
  std::optional<SceneWatch> watch;
  if (options.watch) watch.emplace(dataDir, host, stderr);

  loadLoadingImages();
  loadScene();
  PulseMusic player;
  if (settings.EnableMusic && !stopRequested) {
    DataFile music;  // the player keeps a copy of the track
    if (music.open("music.ogg")) player.start(music.data, music.size, settings.Volume);
  }
  startFlight(options.seedOrNull());
  host.reportEmptyScene(dataDir);
  if (watch) watch->printFirstLoad();

  FrameCap cap(options.maxFps);
  DisplayPower power(window.display());
  bool dark = false;
  while (!stopRequested && !host.followWindow()) {
    // With the monitor powered down nothing is drawn and the music rests;
    // the first frame after is given the scene's longest slice of time.
    if (power.off() != dark) {
      dark = !dark;
      if (dark)
        player.pause();
      else
        player.resume();
    }
    if (dark) {
      window.waitForEvents(1000);
      continue;
    }
    makeFrame(takeFrameTime());
    if (watch) watch->poll();
    cap.wait();
  }

  player.stop();
  endScene();
  setHost(nullptr);
  window.close();
  return 0;
}
