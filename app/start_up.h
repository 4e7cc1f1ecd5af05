#pragma once
// start_up.h -- start-up: command line, settings, displays, data folder, then one run mode

#include "app/saver_app.h"

// Reads the command line, loads the settings, takes stock of the displays
// and, with UseDesktop, takes the desktop's mode as the display mode.
bool startUp(SaverApp& app, const char* commandLine);

// Changes into the data directory and runs the chosen mode.
void runMode(SaverApp& app);
