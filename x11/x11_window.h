#pragma once
// x11_window.h -- the X display, the window drawn into and its GLX context

#include <X11/Xlib.h>
#include <GL/glx.h>

#include <string>
#include <vector>

#include "render/views.h"
#include "x11/options.h"

// What the events since the last look ask of the run.
struct WindowEvents {
  bool end = false;      // the window is gone, closed, or input ended the run
  bool resized = false;  // width and height changed
  bool monitorsChanged = false;  // one came, went, moved or changed its size
};

class X11Window {
 public:
  X11Window() = default;
  ~X11Window();
  X11Window(const X11Window&) = delete;
  X11Window& operator=(const X11Window&) = delete;

  // Opens the display and the target window of the options with a current
  // GLX context on it; false with a message in *error.
  bool open(const X11Options& options, std::string* error);
  void close();

  // Handles every waiting event.
  WindowEvents pollEvents();
  // Sleeps until an event comes, a signal, or `milliseconds` have passed.
  void waitForEvents(int milliseconds);
  void swapBuffers();
  void setSwapInterval(int interval);
  // A second has passed: pointer travel for --mouse-exit counts from here.
  void restartPointerCount();
  // A GL or GLX function's address (glXGetProcAddressARB).
  void* procAddress(const char* name) const;

  Display* display() const { return display_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // A full-screen window of the program's own over every monitor (not
  // --primary-only, not --windowed, not a host's window).
  bool spansMonitors() const { return fullScreen_ && !primaryOnly_; }
  // The screen's monitors (RandR), else the whole screen as one; `primary`
  // is the primary's index.
  std::vector<DesktopRect> monitors(std::size_t& primary) const;
  // Where the window is on the screen.
  DesktopRect placement() const;
  // Moves a full-screen window of the program's own over the monitors as
  // they are now: all of them, or the primary alone.
  void coverMonitors();

 private:
  bool adoptWindow(Window window, std::string* error);
  void createChildWindow(XVisualInfo* visual);
  bool createOwnWindow(const X11Options& options, std::string* error);
  bool createContext(XVisualInfo* visual, std::string* error);
  void waitUntilMapped();
  void noteInput(const XEvent& event, WindowEvents& events);

  Display* display_ = nullptr;
  Window window_ = 0;    // the target: the host's window, or the program's own
  Window child_ = 0;     // drawn into instead of a host's window of too plain a visual
  Window drawable_ = 0;  // the one of the two the context draws into
  bool ownWindow_ = false;
  bool fullScreen_ = false;
  bool primaryOnly_ = false;
  int randrEventBase_ = -1;
  bool mouseExit_ = false;
  GLXContext context_ = nullptr;
  Colormap colormap_ = 0;
  Cursor blankCursor_ = 0;
  Atom wmProtocols_ = 0;
  Atom deleteWindow_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool pointerSeen_ = false;
  int pointerX_ = 0;  // where the pointer was when the second began
  int pointerY_ = 0;
  int lastPointerX_ = 0;
  int lastPointerY_ = 0;
};
