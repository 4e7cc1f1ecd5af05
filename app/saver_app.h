#pragma once
// saver_app.h -- start-up: command line, settings, displays, data folder, then one run mode

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

// Reads the command line, loads the settings, takes stock of the displays
// and, with UseDesktop, takes the desktop's mode as the display mode.
bool startUp(SaverApp& app, const char* commandLine);

// Changes into the data directory and runs the chosen mode.
void runMode(SaverApp& app);
