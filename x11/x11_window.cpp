// x11_window.cpp -- the X display, the window drawn into and its GLX context
#include "x11/x11_window.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <poll.h>
#include <unistd.h>

#include "x11/stop_request.h"

namespace {

// Net pointer travel in pixels within one second, in any direction, that
// ends a run with --mouse-exit: the Windows saver's 7 in units of 0.3 pixel.
constexpr double kMouseExitPixels = 7.0 / 0.3;

// The windows the program draws into or through; an error that names one of
// them as a bad window or drawable means it is gone, and ends the run.
Window watchedWindows[2] = {0, 0};
int glxErrorBase = -1;

bool namesWatchedWindow(const XErrorEvent& error) {
  // GLX's own errors for a bad drawable, current drawable and window.
  const int glxError = glxErrorBase < 0 ? -1 : error.error_code - glxErrorBase;
  if (error.error_code != BadWindow && error.error_code != BadDrawable && glxError != 2 &&
      glxError != 11 && glxError != 12)
    return false;
  for (const Window window : watchedWindows)
    if (window != 0 && error.resourceid == window) return true;
  return false;
}

// The window drawn into is gone: the run ends here and now, before the GL
// driver goes on with a drawable it could not ask about (a software driver
// then takes an unset size and writes out of bounds). Nothing is left to
// release that the end of the process does not release. Any other error is
// reported once per kind, and the run goes on (a refused focus, say, is
// harmless).
int onXError(Display* display, XErrorEvent* error) {
  if (namesWatchedWindow(*error)) _exit(0);
  static int reported[32];
  static int reportedCount = 0;
  const int kind = error->error_code << 16 | error->request_code << 8 | error->minor_code;
  for (int i = 0; i < reportedCount; ++i)
    if (reported[i] == kind) return 0;
  if (reportedCount < 32) reported[reportedCount++] = kind;
  char text[160] = "";
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "orbivane: X error %s in request %d.%d on 0x%lx; going on\n", text,
               error->request_code, error->minor_code, error->resourceid);
  return 0;
}

// The connection is gone: nothing can be released through it any more.
int onXIOError(Display*) { _exit(1); }

// The window named by XSCREENSAVER_WINDOW (decimal or 0x hexadecimal), else
// the root window; false for a value that is no window id.
bool hostWindow(Display* display, Window& window, std::string* error) {
  const char* text = std::getenv("XSCREENSAVER_WINDOW");
  if (!text || !*text) {
    window = DefaultRootWindow(display);
    return true;
  }
  unsigned long id = 0;
  if (!parseWindowId(text, id)) {
    *error = std::string("XSCREENSAVER_WINDOW=\"") + text + "\" is not a window id";
    return false;
  }
  window = Window(id);
  return true;
}

// True when the visual draws GL with a depth buffer and double buffering.
bool fullGlVisual(Display* display, XVisualInfo* visual) {
  int usesGl = 0, doubleBuffer = 0, depthBits = 0;
  return visual && glXGetConfig(display, visual, GLX_USE_GL, &usesGl) == 0 && usesGl &&
         glXGetConfig(display, visual, GLX_DOUBLEBUFFER, &doubleBuffer) == 0 && doubleBuffer &&
         glXGetConfig(display, visual, GLX_DEPTH_SIZE, &depthBits) == 0 && depthBits > 0;
}

// An RGBA visual with double buffering and a depth buffer on the screen.
XVisualInfo* chooseFullGlVisual(Display* display, int screen) {
  int attributes[] = {GLX_RGBA,       GLX_DOUBLEBUFFER, GLX_RED_SIZE,   1, GLX_GREEN_SIZE, 1,
                      GLX_BLUE_SIZE,  1,                GLX_DEPTH_SIZE, 16, None};
  return glXChooseVisual(display, screen, attributes);
}

// Asks the window manager to stretch the full-screen window over every
// monitor: the indices of the top-, bottom-, left- and rightmost ones.
void askToSpan(Display* display, Window window, const std::vector<DesktopRect>& monitors) {
  auto far = [](std::int32_t at, std::uint32_t size) { return std::int64_t(at) + size; };
  std::size_t top = 0, bottom = 0, left = 0, right = 0;
  for (std::size_t i = 1; i < monitors.size(); ++i) {
    const DesktopRect& m = monitors[i];
    if (m.y < monitors[top].y) top = i;
    if (far(m.y, m.height) > far(monitors[bottom].y, monitors[bottom].height)) bottom = i;
    if (m.x < monitors[left].x) left = i;
    if (far(m.x, m.width) > far(monitors[right].x, monitors[right].width)) right = i;
  }
  const long edges[4] = {long(top), long(bottom), long(left), long(right)};
  XEvent event = {};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "_NET_WM_FULLSCREEN_MONITORS", False);
  event.xclient.format = 32;
  for (int i = 0; i < 4; ++i) event.xclient.data.l[i] = edges[i];
  event.xclient.data.l[4] = 1;  // a normal application
  XSendEvent(display, DefaultRootWindow(display), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &event);
}


}  // namespace

X11Window::~X11Window() { close(); }

bool X11Window::open(const X11Options& options, std::string* error) {
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) {
    *error = "Orbivane needs an X11 display and DISPLAY is not set "
             "(in a Wayland session, XWayland provides one)";
    return false;
  }
  XSetErrorHandler(onXError);
  XSetIOErrorHandler(onXIOError);
  display_ = XOpenDisplay(nullptr);
  if (!display_) {
    *error = std::string("cannot open the X display \"") + name + "\"";
    return false;
  }
  int glxEventBase = 0;
  if (!glXQueryExtension(display_, &glxErrorBase, &glxEventBase)) glxErrorBase = -1;
  mouseExit_ = options.mouseExit;
  Window host = 0;
  switch (options.target) {
    case Target::kWindowId: return adoptWindow(Window(options.windowId), error);
    case Target::kRoot: return hostWindow(display_, host, error) && adoptWindow(host, error);
    case Target::kOwnWindow: return createOwnWindow(options, error);
  }
  return false;
}

// A host's window keeps its own visual: a context of any other visual
// cannot draw into it. When that visual lacks a depth buffer or double
// buffering, the picture goes to a child window of a visual that has both.
bool X11Window::adoptWindow(Window window, std::string* error) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display_, window, &attributes)) {
    char text[64];
    std::snprintf(text, sizeof text, "no window 0x%lx", window);
    *error = text;
    return false;
  }
  watchedWindows[0] = window;
  XVisualInfo wanted = {};
  wanted.visualid = XVisualIDFromVisual(attributes.visual);
  wanted.screen = XScreenNumberOfScreen(attributes.screen);
  int count = 0;
  XVisualInfo* visual =
      XGetVisualInfo(display_, VisualIDMask | VisualScreenMask, &wanted, &count);
  window_ = window;
  drawable_ = window;
  width_ = attributes.width;
  height_ = attributes.height;
  // Only the structure of a foreign window is ours to watch: its input
  // belongs to the host.
  XSelectInput(display_, window_, StructureNotifyMask);
  if (!fullGlVisual(display_, visual)) {
    if (visual) XFree(visual);
    visual = chooseFullGlVisual(display_, wanted.screen);
    if (!visual) {
      *error = "the X display has no OpenGL visual with a depth buffer";
      return false;
    }
    createChildWindow(visual);
  }
  const bool made = createContext(visual, error);
  if (visual) XFree(visual);
  return made;
}

// A child of the host's window that covers it and takes no input (the
// host's window keeps getting it); a child of the root window stays out of
// the window manager's hands.
void X11Window::createChildWindow(XVisualInfo* visual) {
  colormap_ = XCreateColormap(display_, window_, visual->visual, AllocNone);
  XSetWindowAttributes set = {};
  set.colormap = colormap_;
  set.background_pixel = 0;
  set.border_pixel = 0;
  set.override_redirect = True;
  child_ = XCreateWindow(display_, window_, 0, 0, unsigned(width_), unsigned(height_), 0,
                         visual->depth, InputOutput, visual->visual,
                         CWColormap | CWBackPixel | CWBorderPixel | CWOverrideRedirect, &set);
  drawable_ = child_;
  watchedWindows[1] = child_;
  XMapWindow(display_, child_);
  XSync(display_, False);
}

bool X11Window::createOwnWindow(const X11Options& options, std::string* error) {
  const int screen = DefaultScreen(display_);
  XVisualInfo* visual = chooseFullGlVisual(display_, screen);
  if (!visual) {
    *error = "the X display has no OpenGL visual with a depth buffer";
    return false;
  }
  const Window root = RootWindow(display_, screen);
  fullScreen_ = !options.windowed;
  primaryOnly_ = options.primaryOnly;
  std::size_t primary = 0;
  const DesktopRect rect =
      options.windowed ? DesktopRect{0, 0, std::uint32_t(options.windowWidth),
                                     std::uint32_t(options.windowHeight)}
                       : fullScreenRect(monitors(primary), primary, !primaryOnly_);
  colormap_ = XCreateColormap(display_, root, visual->visual, AllocNone);
  XSetWindowAttributes set = {};
  set.colormap = colormap_;
  set.background_pixel = BlackPixel(display_, screen);
  set.border_pixel = 0;
  set.event_mask = StructureNotifyMask | KeyPressMask | ButtonPressMask | PointerMotionMask;
  window_ = XCreateWindow(display_, root, rect.x, rect.y, unsigned(rect.width),
                          unsigned(rect.height), 0, visual->depth, InputOutput, visual->visual,
                          CWColormap | CWBackPixel | CWBorderPixel | CWEventMask, &set);
  drawable_ = window_;
  watchedWindows[0] = window_;
  ownWindow_ = true;
  width_ = int(rect.width);
  height_ = int(rect.height);

  XStoreName(display_, window_, "Orbivane");
  XClassHint hint = {const_cast<char*>("orbivane"), const_cast<char*>("Orbivane")};
  XSetClassHint(display_, window_, &hint);
  wmProtocols_ = XInternAtom(display_, "WM_PROTOCOLS", False);
  deleteWindow_ = XInternAtom(display_, "WM_DELETE_WINDOW", False);
  XSetWMProtocols(display_, window_, &deleteWindow_, 1);
  if (!options.windowed) {
    const Atom state = XInternAtom(display_, "_NET_WM_STATE", False);
    const Atom fullScreen = XInternAtom(display_, "_NET_WM_STATE_FULLSCREEN", False);
    XChangeProperty(display_, window_, state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&fullScreen), 1);
    // No pointer over the flight, as on every screensaver.
    const char empty[1] = {0};
    const Pixmap pixmap = XCreateBitmapFromData(display_, window_, empty, 1, 1);
    XColor black = {};
    blankCursor_ = XCreatePixmapCursor(display_, pixmap, pixmap, &black, &black, 0, 0);
    XFreePixmap(display_, pixmap);
    XDefineCursor(display_, window_, blankCursor_);
    // Monitors that come, go or change are followed (coverMonitors).
    int errors = 0;
    if (XRRQueryExtension(display_, &randrEventBase_, &errors))
      XRRSelectInput(display_, root, RRScreenChangeNotifyMask);
    else
      randrEventBase_ = -1;
    XSelectInput(display_, root, StructureNotifyMask);
  }
  const bool made = createContext(visual, error);
  XFree(visual);
  if (!made) return false;
  XMapRaised(display_, window_);
  waitUntilMapped();
  if (spansMonitors()) askToSpan(display_, window_, monitors(primary));
  if (!options.windowed) XSetInputFocus(display_, window_, RevertToParent, CurrentTime);
  return true;
}

bool X11Window::createContext(XVisualInfo* visual, std::string* error) {
  int usesGl = 0;
  if (!visual || glXGetConfig(display_, visual, GLX_USE_GL, &usesGl) != 0 || !usesGl) {
    *error = "the window's visual does not support OpenGL";
    return false;
  }
  context_ = glXCreateContext(display_, visual, nullptr, True);
  if (!context_ || !glXMakeCurrent(display_, drawable_, context_)) {
    *error = "cannot make an OpenGL context for the window";
    return false;
  }
  return true;
}

// Waits for the map, a stop request, or a second, whichever comes first.
void X11Window::waitUntilMapped() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  XEvent event;
  while (!stopRequested && std::chrono::steady_clock::now() < deadline) {
    if (XCheckTypedWindowEvent(display_, window_, MapNotify, &event)) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void X11Window::close() {
  if (!display_) return;
  if (context_) {
    glXMakeCurrent(display_, None, nullptr);
    glXDestroyContext(display_, context_);
  }
  if (ownWindow_) {
    XDestroyWindow(display_, window_);
    if (blankCursor_) XFreeCursor(display_, blankCursor_);
  } else if (window_) {
    if (child_) XDestroyWindow(display_, child_);
    XSelectInput(display_, window_, NoEventMask);
  }
  if (colormap_) XFreeColormap(display_, colormap_);
  XCloseDisplay(display_);
  display_ = nullptr;
  context_ = nullptr;
  window_ = child_ = drawable_ = 0;
  colormap_ = 0;
  watchedWindows[0] = watchedWindows[1] = 0;
}

WindowEvents X11Window::pollEvents() {
  WindowEvents events;
  while (display_ && XPending(display_)) {
    XEvent event;
    XNextEvent(display_, &event);
    switch (event.type) {
      case ConfigureNotify:
        if (fullScreen_ && event.xconfigure.window == DefaultRootWindow(display_))
          events.monitorsChanged = true;
        if (event.xconfigure.window == window_ &&
            (event.xconfigure.width != width_ || event.xconfigure.height != height_)) {
          width_ = event.xconfigure.width;
          height_ = event.xconfigure.height;
          if (child_) XResizeWindow(display_, child_, unsigned(width_), unsigned(height_));
          events.resized = true;
        }
        break;
      case DestroyNotify:
        if (event.xdestroywindow.window == window_) events.end = true;
        break;
      case ClientMessage:
        // Only a window manager's close of the program's own window ends it.
        if (ownWindow_ && event.xclient.window == window_ &&
            event.xclient.message_type == wmProtocols_ && event.xclient.format == 32 &&
            Atom(event.xclient.data.l[0]) == deleteWindow_)
          events.end = true;
        break;
      default:
        if (fullScreen_ && randrEventBase_ >= 0 &&
            event.type == randrEventBase_ + RRScreenChangeNotify) {
          XRRUpdateConfiguration(&event);
          events.monitorsChanged = true;
        } else if (ownWindow_) {
          noteInput(event, events);
        }
        break;
    }
  }
  return events;
}

void X11Window::waitForEvents(int milliseconds) {
  if (!display_ || XPending(display_)) return;
  pollfd connection = {ConnectionNumber(display_), POLLIN, 0};
  poll(&connection, 1, milliseconds);
}

// In its own window the run ends like the Windows saver: a key, a button, or
// with --mouse-exit the pointer moving away from where it was when the
// second began.
void X11Window::noteInput(const XEvent& event, WindowEvents& events) {
  if (event.type == KeyPress || event.type == ButtonPress) events.end = true;
  if (event.type != MotionNotify || !mouseExit_) return;
  lastPointerX_ = event.xmotion.x_root;
  lastPointerY_ = event.xmotion.y_root;
  if (!pointerSeen_) {
    pointerSeen_ = true;
    restartPointerCount();
  } else if (std::hypot(lastPointerX_ - pointerX_, lastPointerY_ - pointerY_) > kMouseExitPixels) {
    events.end = true;
  }
}

std::vector<DesktopRect> X11Window::monitors(std::size_t& primary) const {
  const int screen = DefaultScreen(display_);
  std::vector<DesktopRect> found;
  primary = 0;
  int events = 0, errors = 0, count = 0;
  if (XRRQueryExtension(display_, &events, &errors)) {
    if (XRRMonitorInfo* list = XRRGetMonitors(display_, RootWindow(display_, screen), True, &count)) {
      for (int i = 0; i < count; ++i) {
        if (list[i].width <= 0 || list[i].height <= 0) continue;
        if (list[i].primary) primary = found.size();
        found.push_back({list[i].x, list[i].y, std::uint32_t(list[i].width),
                         std::uint32_t(list[i].height)});
      }
      XRRFreeMonitors(list);
    }
  }
  if (found.empty())
    found.push_back({0, 0, std::uint32_t(DisplayWidth(display_, screen)),
                     std::uint32_t(DisplayHeight(display_, screen))});
  return found;
}

DesktopRect X11Window::placement() const {
  int x = 0, y = 0;
  Window child = 0;
  XTranslateCoordinates(display_, window_, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
  return {x, y, std::uint32_t(width_), std::uint32_t(height_)};
}

void X11Window::coverMonitors() {
  if (!fullScreen_) return;
  std::size_t primary = 0;
  const std::vector<DesktopRect> now = monitors(primary);
  const DesktopRect rect = fullScreenRect(now, primary, !primaryOnly_);
  XMoveResizeWindow(display_, window_, rect.x, rect.y, rect.width, rect.height);
  if (spansMonitors()) askToSpan(display_, window_, now);
  XSync(display_, False);
}

void X11Window::restartPointerCount() {
  pointerX_ = lastPointerX_;
  pointerY_ = lastPointerY_;
}

void X11Window::swapBuffers() {
  if (display_) glXSwapBuffers(display_, drawable_);
}

void X11Window::setSwapInterval(int interval) {
  using SwapIntervalExt = void (*)(Display*, GLXDrawable, int);
  using SwapIntervalMesa = int (*)(unsigned);
  const char* extensions = glXQueryExtensionsString(display_, DefaultScreen(display_));
  if (extensions && std::strstr(extensions, "GLX_EXT_swap_control")) {
    if (auto set = reinterpret_cast<SwapIntervalExt>(procAddress("glXSwapIntervalEXT")))
      set(display_, drawable_, interval);
  } else if (extensions && std::strstr(extensions, "GLX_MESA_swap_control")) {
    if (auto set = reinterpret_cast<SwapIntervalMesa>(procAddress("glXSwapIntervalMESA")))
      set(unsigned(interval));
  }
}

void* X11Window::procAddress(const char* name) const {
  return reinterpret_cast<void*>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}
