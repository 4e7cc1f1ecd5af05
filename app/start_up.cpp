// start_up.cpp -- start-up: command line, settings, displays, data folder, then one run mode
#include "app/start_up.h"

#include <cwchar>

#include "app/config_dialog.h"
#include "app/preview.h"
#include "app/registry_settings.h"
#include "app/saver_run.h"
#include "app/win_monitors.h"
#include "host/settings.h"

bool startUp(SaverApp& app, const char* commandLine) {
  std::uintptr_t parent = 0;
  app.runMode = parseCommandLine(commandLine, parent);
  app.parentWindow = reinterpret_cast<HWND>(parent);
  loadSettings();
  enumerateMonitors(app.monitors);
  if (settings.UseDesktop) {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    if (EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) {
      settings.Width = mode.dmPelsWidth;
      settings.Height = mode.dmPelsHeight;
      settings.Depth = mode.dmBitsPerPel;
    }
  }
  return true;
}

namespace {

// The data folder is the user's Path; without one, the Path an installation
// for all users set; without either (a copy run from where it was unpacked),
// the folder that holds the running program.
void enterDataFolder() {
  if (settings.Path[0]) {
    SetCurrentDirectoryA(settings.Path);
    return;
  }
  char machineFolder[sizeof settings.Path] = {};
  if (readMachineDataFolder(machineFolder, sizeof machineFolder) && machineFolder[0]) {
    SetCurrentDirectoryA(machineFolder);
    return;
  }
  wchar_t program[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  wchar_t* slash = std::wcsrchr(program, L'\\');
  if (!slash) return;
  // A program in a drive's root keeps the backslash: "C:\", not "C:".
  slash[slash == program + 2 ? 1 : 0] = L'\0';
  SetCurrentDirectoryW(program);
}

}  // namespace

void runMode(SaverApp& app) {
  enterDataFolder();
  switch (app.runMode) {
    case RunMode::Saver:
    case RunMode::Test:
      runSaver(app);
      break;
    case RunMode::Configure:
      runConfigurationDialog(app);
      break;
    case RunMode::Preview:
      runPreview(app);
      break;
  }
}
