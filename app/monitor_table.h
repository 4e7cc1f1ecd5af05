#pragma once
// monitor_table.h -- the display adapters found at start-up, and which of them show the scene

#include <cstddef>
#include <cstdint>
#include <vector>

#include "render/views.h"

// The display adapters found at start-up, in the platform's order. Handles
// are kept opaque here (HMONITOR, HWND on Windows) so the table's rules can
// be built and tested without the platform.
struct DisplayRect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct MonitorEntry {
  char adapterDescription[128] = {};
  char monitorDescription[128] = {};
  void* monitor = nullptr;  // null: not on the desktop, no window is made
  bool primary = false;
  DisplayRect desktopRect;
  void* window = nullptr;   // made by the saver run
};

constexpr std::uint32_t kMaxMonitors = 9;

struct MonitorTable {
  MonitorEntry rows[kMaxMonitors];
  std::uint32_t count = 0;
};

// Adapter state flags as the platform reports them.
constexpr std::uint32_t kAttachedToDesktop = 0x1;
constexpr std::uint32_t kPrimaryDevice = 0x4;
constexpr std::uint32_t kMirroringDriver = 0x8;

struct AdapterInfo {
  char deviceName[32] = {};
  char description[128] = {};
  std::uint32_t stateFlags = 0;
};

struct AdapterMode {
  std::int32_t x = 0, y = 0;  // position on the virtual desktop
  std::uint32_t width = 0, height = 0;
};

// What the enumeration asks of the platform.
class DisplayDevices {
 public:
  virtual ~DisplayDevices() = default;
  virtual bool adapter(std::uint32_t index, AdapterInfo& info) = 0;
  virtual bool firstMonitorDescription(const char* adapterName, char (&description)[128]) = 0;
  virtual bool currentMode(const char* adapterName, AdapterMode& mode) = 0;
  virtual void* monitorFromRect(const DisplayRect& rect) = 0;
};

// Fills the table with up to nine adapters; mirroring drivers take no row.
void fillMonitorTable(MonitorTable& table, DisplayDevices& devices);

// The desktop rectangles of the rows on the desktop, in table order;
// `primary` is the primary's index (the first's when none is).
std::vector<DesktopRect> activeMonitors(const MonitorTable& table, std::size_t& primary);
