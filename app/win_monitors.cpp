// win_monitors.cpp -- the monitor table filled from the multi-monitor functions, when the system has them
#include "app/win_monitors.h"

#include <windows.h>

#include <cstdio>

namespace {

using GetSystemMetricsFn = int(WINAPI*)(int);
using MonitorFromRectFn = HMONITOR(WINAPI*)(LPCRECT, DWORD);
using EnumDisplayDevicesFn = BOOL(WINAPI*)(LPCSTR, DWORD, PDISPLAY_DEVICEA, DWORD);

struct MultiMonitorFunctions {
  bool looked = false;
  bool available = false;
  GetSystemMetricsFn getSystemMetrics = nullptr;
  MonitorFromRectFn monitorFromRect = nullptr;
  EnumDisplayDevicesFn enumDisplayDevices = nullptr;
};

MultiMonitorFunctions& functions() {
  static MultiMonitorFunctions found;
  if (found.looked) return found;
  found.looked = true;
  HMODULE user32 = GetModuleHandleA("USER32");
  if (!user32) return found;
  const char* names[] = {"GetSystemMetrics",    "MonitorFromWindow", "MonitorFromRect",
                         "MonitorFromPoint",    "EnumDisplayMonitors", "GetMonitorInfoA",
                         "EnumDisplayDevicesA"};
  FARPROC procs[7] = {};
  for (int i = 0; i < 7; ++i)
    if (!(procs[i] = GetProcAddress(user32, names[i]))) return found;
  found.getSystemMetrics = reinterpret_cast<GetSystemMetricsFn>(reinterpret_cast<void*>(procs[0]));
  found.monitorFromRect = reinterpret_cast<MonitorFromRectFn>(reinterpret_cast<void*>(procs[2]));
  found.enumDisplayDevices =
      reinterpret_cast<EnumDisplayDevicesFn>(reinterpret_cast<void*>(procs[6]));
  const auto metric = found.getSystemMetrics;
  found.available = metric(SM_CXVIRTUALSCREEN) >= metric(SM_CXSCREEN) &&
                    metric(SM_CYVIRTUALSCREEN) >= metric(SM_CYSCREEN);
  return found;
}

class Win32DisplayDevices : public DisplayDevices {
 public:
  bool adapter(std::uint32_t index, AdapterInfo& info) override {
    const MultiMonitorFunctions& f = functions();
    if (!f.available) return false;
    DISPLAY_DEVICEA device = {};
    device.cb = sizeof device;
    if (!f.enumDisplayDevices(nullptr, index, &device, 0)) return false;
    std::snprintf(info.deviceName, sizeof info.deviceName, "%s", device.DeviceName);
    std::snprintf(info.description, sizeof info.description, "%s", device.DeviceString);
    info.stateFlags = device.StateFlags;
    return true;
  }

  bool firstMonitorDescription(const char* adapterName, char (&description)[128]) override {
    DISPLAY_DEVICEA device = {};
    device.cb = sizeof device;
    if (!functions().enumDisplayDevices(adapterName, 0, &device, 0)) return false;
    std::snprintf(description, sizeof description, "%s", device.DeviceString);
    return true;
  }

  bool currentMode(const char* adapterName, AdapterMode& mode) override {
    DEVMODEA devMode = {};
    devMode.dmSize = sizeof devMode;
    if (!EnumDisplaySettingsA(adapterName, ENUM_CURRENT_SETTINGS, &devMode)) return false;
    mode.x = devMode.dmPosition.x;
    mode.y = devMode.dmPosition.y;
    mode.width = devMode.dmPelsWidth;
    mode.height = devMode.dmPelsHeight;
    return true;
  }

  void* monitorFromRect(const DisplayRect& rect) override {
    const RECT r = {LONG(rect.left), LONG(rect.top), LONG(rect.right), LONG(rect.bottom)};
    return functions().monitorFromRect(&r, MONITOR_DEFAULTTONULL);
  }
};

}  // namespace

static_assert(sizeof(DISPLAY_DEVICEA) == 424, "display-device record");

bool multiMonitorFunctionsAvailable() { return functions().available; }

void enumerateMonitors(MonitorTable& table) {
  Win32DisplayDevices devices;
  fillMonitorTable(table, devices);
}
