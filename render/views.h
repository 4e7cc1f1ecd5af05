#pragma once
// views.h -- the pictures drawn of the one scene: where each sits and the flight it looks through

#include <cstddef>
#include <cstdint>
#include <vector>

#include "camera/camera_director.h"
#include "gl/gl_state.h"
#include "math/random.h"

// One picture of the scene in the drawable, with its own camera flight.
// The first view flies and draws from the scene's random stream, so its
// flight is the one the seed gives; every other view has a stream of its own.
struct View {
  ViewRect rect;
  CameraDirector camera;
  RandomStream random;
};

// The views of the run, the first on the primary monitor; at least one.
extern std::vector<View> views;

// Makes view `index`'s stream the one random draws take (the scene's own
// for the first view).
void useViewStream(std::size_t index);

// A rectangle on the desktop as the platforms place monitors and windows:
// the top-left corner (y downwards) and the size.
struct DesktopRect {
  std::int32_t x = 0, y = 0;
  std::uint32_t width = 0, height = 0;
};

// The smallest rectangle over every monitor; empty for none.
DesktopRect coveringRect(const std::vector<DesktopRect>& monitors);

// Where a full-screen window goes: over every monitor, or on the primary.
DesktopRect fullScreenRect(const std::vector<DesktopRect>& monitors, std::size_t primary,
                           bool everyMonitor);

// One view a monitor that `window` shows, over the part of it the window
// covers, in the window's pixels from its bottom-left corner as OpenGL
// counts them; the primary's first (`primary` out of range: the first
// monitor's). A monitor that repeats one already taken (a mirror) or that
// the window does not reach gets none; when none gets one (no monitors
// given, say), one view fills the window.
std::vector<ViewRect> viewsInWindow(const std::vector<DesktopRect>& monitors, std::size_t primary,
                                    const DesktopRect& window);
