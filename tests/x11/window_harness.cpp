// window_harness.cpp -- a host's window for the Linux program's tests: makes
// a mapped window of the given size, prints its id and waits to be killed.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  if (!display || argc != 3) return 1;
  const int screen = DefaultScreen(display);
  const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0,
                                            unsigned(std::atoi(argv[1])),
                                            unsigned(std::atoi(argv[2])), 0,
                                            BlackPixel(display, screen), BlackPixel(display, screen));
  XStoreName(display, window, "orbivane-test-host");
  XMapWindow(display, window);
  XSync(display, False);
  std::printf("0x%lx\n", window);
  std::fflush(stdout);
  for (;;) pause();
}
