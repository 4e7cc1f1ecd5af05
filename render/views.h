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

// A monitor as the platforms place it: its top-left corner on the desktop
// (y downwards) and its size.
struct MonitorRect {
  std::int32_t x = 0, y = 0;
  std::uint32_t width = 0, height = 0;
};

// The window that covers every monitor, and one view a monitor in that
// window's pixels (y upwards, as OpenGL counts), the primary's first.
struct ViewLayout {
  MonitorRect window;
  std::vector<ViewRect> views;
};

// An empty list gives no window and no view; `primary` out of range means
// the first monitor.
ViewLayout layoutViews(const std::vector<MonitorRect>& monitors, std::size_t primary);

// Makes view `index`'s stream the one random draws take (the scene's own
// for the first view).
void useViewStream(std::size_t index);
