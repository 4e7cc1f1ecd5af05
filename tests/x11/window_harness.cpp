// window_harness.cpp -- a host's window for the Linux program's tests:
//   window_harness W H [plain]  makes a mapped window of that size, prints its
//                               id and waits to be killed; "plain": its visual
//                               has neither depth buffer nor double buffering
//   window_harness message ID   sends the window ID a client message of
//                               someone else's, its first value 0
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

// A TrueColor GL visual without depth buffer and double buffering; false if none.
static bool plainVisual(Display* display, int screen, XVisualInfo& found) {
  XVisualInfo wanted = {};
  wanted.screen = screen;
  wanted.c_class = TrueColor;
  int count = 0;
  XVisualInfo* all = XGetVisualInfo(display, VisualScreenMask | VisualClassMask, &wanted, &count);
  bool any = false;
  for (int i = 0; i < count && !any; ++i) {
    int gl = 0, doubleBuffer = 1, depthBits = 1;
    glXGetConfig(display, &all[i], GLX_USE_GL, &gl);
    glXGetConfig(display, &all[i], GLX_DOUBLEBUFFER, &doubleBuffer);
    glXGetConfig(display, &all[i], GLX_DEPTH_SIZE, &depthBits);
    any = gl && !doubleBuffer && depthBits == 0;
    if (any) found = all[i];
  }
  if (all) XFree(all);
  return any;
}

// A client message that is no window manager's, to whoever watches the
// window's structure.
static int sendMessage(Display* display, Window window) {
  XEvent event = {};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "ORBIVANE_TEST_MESSAGE", False);
  event.xclient.format = 32;
  const Status sent = XSendEvent(display, window, False, StructureNotifyMask, &event);
  XSync(display, False);
  return sent ? 0 : 1;
}

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  if (!display || argc < 3) return 1;
  if (std::strcmp(argv[1], "message") == 0)
    return sendMessage(display, Window(std::strtoul(argv[2], nullptr, 0)));
  const int screen = DefaultScreen(display);
  const Window root = RootWindow(display, screen);
  XSetWindowAttributes set = {};
  set.background_pixel = BlackPixel(display, screen);
  set.border_pixel = 0;
  set.colormap = DefaultColormap(display, screen);
  Visual* visual = DefaultVisual(display, screen);
  int depth = DefaultDepth(display, screen);
  if (argc > 3 && std::strcmp(argv[3], "plain") == 0) {
    XVisualInfo plain;
    if (!plainVisual(display, screen, plain)) return 1;
    visual = plain.visual;
    depth = plain.depth;
    set.colormap = XCreateColormap(display, root, visual, AllocNone);
    set.background_pixel = 0;
  }
  const Window window = XCreateWindow(display, root, 0, 0, unsigned(std::atoi(argv[1])),
                                      unsigned(std::atoi(argv[2])), 0, depth, InputOutput, visual,
                                      CWBackPixel | CWBorderPixel | CWColormap, &set);
  XStoreName(display, window, "orbivane-test-host");
  XMapWindow(display, window);
  XSync(display, False);
  std::printf("0x%lx\n", window);
  std::fflush(stdout);
  for (;;) pause();
}
