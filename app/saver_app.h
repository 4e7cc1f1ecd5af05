#pragma once
// saver_app.h -- the application record: how it was started and the displays it found

#include <windows.h>

#include "app/command_line.h"
#include "app/monitor_table.h"

// The application: how it was started and the displays it found.
class SaverApp {
 public:
  RunMode runMode = RunMode::Configure;
  HINSTANCE instance = nullptr;
  HWND parentWindow = nullptr;  // after /p or /c; null when there is none
  int showCommand = SW_SHOWNORMAL;
  MonitorTable monitors;

  virtual ~SaverApp() = default;
};
