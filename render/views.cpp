// views.cpp -- the pictures drawn of the one scene, and their layout over the monitors
#include "render/views.h"

#include <algorithm>

std::vector<View> views(1);

ViewLayout layoutViews(const std::vector<MonitorRect>& monitors, std::size_t primary) {
  ViewLayout layout;
  if (monitors.empty()) return layout;
  if (primary >= monitors.size()) primary = 0;
  std::int64_t left = monitors[0].x, top = monitors[0].y;
  std::int64_t right = left + monitors[0].width, bottom = top + monitors[0].height;
  for (const MonitorRect& m : monitors) {
    left = std::min<std::int64_t>(left, m.x);
    top = std::min<std::int64_t>(top, m.y);
    right = std::max<std::int64_t>(right, std::int64_t(m.x) + m.width);
    bottom = std::max<std::int64_t>(bottom, std::int64_t(m.y) + m.height);
  }
  layout.window = {std::int32_t(left), std::int32_t(top), std::uint32_t(right - left),
                   std::uint32_t(bottom - top)};
  auto viewOf = [&](const MonitorRect& m) {
    const std::int64_t below = bottom - (std::int64_t(m.y) + m.height);
    return ViewRect{std::int32_t(m.x - left), std::int32_t(below), m.width, m.height};
  };
  layout.views.push_back(viewOf(monitors[primary]));
  for (std::size_t i = 0; i < monitors.size(); ++i)
    if (i != primary) layout.views.push_back(viewOf(monitors[i]));
  return layout;
}

void useViewStream(std::size_t index) {
  useRandomStream(index > 0 && index < views.size() ? &views[index].random : nullptr);
}
