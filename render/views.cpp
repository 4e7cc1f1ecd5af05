// views.cpp -- the pictures drawn of the one scene, and their places over the monitors
#include "render/views.h"

#include <algorithm>

std::vector<View> views(1);

void useViewStream(std::size_t index) {
  useRandomStream(index > 0 && index < views.size() ? &views[index].random : nullptr);
}

namespace {

std::int64_t right(const DesktopRect& r) { return std::int64_t(r.x) + r.width; }
std::int64_t bottom(const DesktopRect& r) { return std::int64_t(r.y) + r.height; }

bool sameRect(const DesktopRect& a, const DesktopRect& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

}  // namespace

DesktopRect coveringRect(const std::vector<DesktopRect>& monitors) {
  if (monitors.empty()) return {};
  std::int64_t left = monitors[0].x, top = monitors[0].y;
  std::int64_t farRight = right(monitors[0]), farBottom = bottom(monitors[0]);
  for (const DesktopRect& m : monitors) {
    left = std::min<std::int64_t>(left, m.x);
    top = std::min<std::int64_t>(top, m.y);
    farRight = std::max(farRight, right(m));
    farBottom = std::max(farBottom, bottom(m));
  }
  return {std::int32_t(left), std::int32_t(top), std::uint32_t(farRight - left),
          std::uint32_t(farBottom - top)};
}

DesktopRect fullScreenRect(const std::vector<DesktopRect>& monitors, std::size_t primary,
                           bool everyMonitor) {
  if (everyMonitor || monitors.empty()) return coveringRect(monitors);
  return monitors[primary < monitors.size() ? primary : 0];
}

std::vector<ViewRect> viewsInWindow(const std::vector<DesktopRect>& monitors, std::size_t primary,
                                    const DesktopRect& window) {
  std::vector<std::size_t> order;
  if (primary >= monitors.size()) primary = 0;
  if (!monitors.empty()) order.push_back(primary);
  for (std::size_t i = 0; i < monitors.size(); ++i)
    if (i != primary) order.push_back(i);

  std::vector<ViewRect> rects;
  std::vector<const DesktopRect*> taken;
  for (const std::size_t i : order) {
    const DesktopRect& m = monitors[i];
    if (std::any_of(taken.begin(), taken.end(), [&](const DesktopRect* t) { return sameRect(*t, m); }))
      continue;
    const std::int64_t left = std::max<std::int64_t>(m.x, window.x);
    const std::int64_t top = std::max<std::int64_t>(m.y, window.y);
    const std::int64_t farRight = std::min(right(m), right(window));
    const std::int64_t farBottom = std::min(bottom(m), bottom(window));
    if (farRight <= left || farBottom <= top) continue;
    taken.push_back(&m);
    rects.push_back({std::int32_t(left - window.x), std::int32_t(bottom(window) - farBottom),
                     std::uint32_t(farRight - left), std::uint32_t(farBottom - top)});
  }
  if (rects.empty()) rects.push_back({0, 0, window.width, window.height});
  return rects;
}
