// main.cpp -- orbivane.scr: the screensaver the system's screensaver host starts
#include <windows.h>

#include "app/start_up.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  SaverApp app;
  app.instance = instance;
  app.showCommand = showCommand;
  startUp(app, GetCommandLineA());
  runMode(app);
  return 0;
}
