#pragma once
// config_dialog.h -- the configuration dialog: display mode, options, camera speed, brightness, About

#include <windows.h>

#include <vector>

#include "app/mode_list.h"

class SaverApp;

// Where the dialog takes the display modes from: the primary display's by
// default; tests put their own in.
struct DisplayModeSource {
  std::vector<DisplayMode> (*listModes)();
  DisplayMode (*currentMode)();
};
void setDisplayModeSource(const DisplayModeSource& source);
DisplayModeSource primaryDisplayModes();

// The settings dialog (resource 101), modal, owned by the app's parent
// window; OK saves the settings, Cancel saves nothing. Returns 0.
int runConfigurationDialog(SaverApp& app);

INT_PTR CALLBACK configurationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
