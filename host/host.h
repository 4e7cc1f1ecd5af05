#pragma once
// host.h -- what every host provides to the portable core, in one place

#include <cstdint>

// How much a problem in the scene's data matters: a warning for what is
// ignored or doubtful, an error for what cannot be shown as written.
enum class ProblemLevel { kWarning, kError };

struct LocalTime {
  int hours;    // 0-23
  int minutes;  // 0-59
  int seconds;  // 0-59
};

// A host (app/, x11/, tools/render/, a test) derives from Host, keeps its own state
// in the derived object and installs it with setHost. What a host does not
// override stays quiet. The hosts drive the scene through render/session.h.
class Host {
 public:
  virtual ~Host() = default;

  // A message for the person watching (an image that cannot be shown).
  virtual void showMessage(const char* /*text*/, const char* /*caption*/) {}
  // Something the loaders skipped or took as it was in the scene's data, at
  // `line` of the member `file` (0: the member as a whole). The program
  // itself ignores these; the scene checker lists them.
  virtual void dataProblem(ProblemLevel /*level*/, const char* /*file*/, unsigned /*line*/,
                           const char* /*message*/) {}
  // One texture or object has loaded.
  virtual void loadingStep() {}
  // True: load nothing more (the host is ending the run).
  virtual bool loadingCancelled() { return false; }
  // Shows the picture just drawn.
  virtual void swapBuffers() {}
  // 1: wait for the display's refresh before each swap; 0: do not.
  virtual void setSwapInterval(int /*interval*/) {}
  // 3 x 256 entries, red, green, blue; true when the display took it.
  virtual bool applyGammaRamp(const std::uint16_t* /*ramp*/) { return false; }
  // The clock's time; the C library's local time unless overridden.
  virtual LocalTime localTime();
  // Once a second, when the frames-per-second count is taken.
  virtual void secondPassed() {}
  // The address of an OpenGL function beyond 1.1 in the current context,
  // from the platform's GL binding; null when it has none.
  virtual void* glProcAddress(const char* /*name*/) { return nullptr; }
};

// The host the core calls: the one installed, else a quiet default.
Host& host();

// Installs `next`; null installs the quiet default.
void setHost(Host* next);
