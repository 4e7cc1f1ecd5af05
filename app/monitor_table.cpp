// monitor_table.cpp -- the display adapters found at start-up, and which of them show the scene
#include "app/monitor_table.h"

#include <cstdio>

namespace {

// A platform that keeps answering stops here all the same.
constexpr std::uint32_t kMaxAdapterIndex = 4096;

void copyText(char (&dest)[128], const char* source) {
  std::snprintf(dest, sizeof dest, "%s", source);
}

}  // namespace

void fillMonitorTable(MonitorTable& table, DisplayDevices& devices) {
  table.count = 0;
  for (std::uint32_t index = 0; index < kMaxAdapterIndex && table.count < kMaxMonitors; ++index) {
    AdapterInfo adapter;
    if (!devices.adapter(index, adapter)) break;
    adapter.deviceName[sizeof adapter.deviceName - 1] = '\0';
    adapter.description[sizeof adapter.description - 1] = '\0';
    if (adapter.stateFlags & kMirroringDriver) continue;

    MonitorEntry& row = table.rows[table.count];
    row = MonitorEntry{};
    copyText(row.adapterDescription, adapter.description);
    char monitor[128] = {};
    if (devices.firstMonitorDescription(adapter.deviceName, monitor)) {
      monitor[sizeof monitor - 1] = '\0';
      copyText(row.monitorDescription, monitor);
    }
    if (adapter.stateFlags & kAttachedToDesktop) {
      AdapterMode mode;
      devices.currentMode(adapter.deviceName, mode);
      DisplayRect& rect = row.desktopRect;
      if (!(adapter.stateFlags & kPrimaryDevice)) {
        rect.left = mode.x;
        rect.top = mode.y;
      }
      rect.right = rect.left + std::int32_t(mode.width);
      rect.bottom = rect.top + std::int32_t(mode.height);
      row.monitor = devices.monitorFromRect(rect);
      row.primary = (adapter.stateFlags & kPrimaryDevice) != 0;
    }
    ++table.count;
  }
}

std::vector<DesktopRect> activeMonitors(const MonitorTable& table, std::size_t& primary) {
  std::vector<DesktopRect> rects;
  primary = 0;
  for (std::uint32_t i = 0; i < table.count; ++i) {
    const MonitorEntry& row = table.rows[i];
    if (!row.monitor) continue;
    if (row.primary) primary = rects.size();
    const DisplayRect& r = row.desktopRect;
    rects.push_back({r.left, r.top, std::uint32_t(r.right - r.left), std::uint32_t(r.bottom - r.top)});
  }
  return rects;
}
