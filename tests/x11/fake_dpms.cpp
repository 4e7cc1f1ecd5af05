// fake_dpms.cpp -- DPMS for a server that has none: preloaded into the Linux
// program, it answers the program's DPMS questions from a file, named by
// ORBIVANE_TEST_DPMS, that holds "on" or "off" (the monitor's power level)
#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" {

Bool DPMSQueryExtension(Display*, int* eventBase, int* errorBase) {
  *eventBase = *errorBase = 0;
  return True;
}

Bool DPMSCapable(Display*) { return True; }

Status DPMSInfo(Display*, CARD16* level, BOOL* enabled) {
  char state[8] = "";
  const char* path = std::getenv("ORBIVANE_TEST_DPMS");
  if (std::FILE* file = path ? std::fopen(path, "r") : nullptr) {
    if (!std::fgets(state, sizeof state, file)) state[0] = 0;
    std::fclose(file);
  }
  *level = std::strncmp(state, "off", 3) == 0 ? DPMSModeOff : DPMSModeOn;
  *enabled = True;
  return 1;
}
}
