#include "app/saver_app.h"

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

void runMode(SaverApp& app) {
  SetCurrentDirectoryA(settings.Path);
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
