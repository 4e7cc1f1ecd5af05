// config_dialog.cpp -- the configuration dialog: display mode, options, camera speed, brightness, About
#include "app/config_dialog.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "app/picture_fit.h"
#include "app/registry_settings.h"
#include "app/saver_app.h"
#include "host/settings.h"
#include "resources/resource_ids.h"

namespace {

std::vector<DisplayMode> enumeratePrimaryModes() {
  std::vector<DisplayMode> modes;
  DEVMODEA mode = {};
  mode.dmSize = sizeof mode;
  for (DWORD number = 0; EnumDisplaySettingsA(nullptr, number, &mode); ++number)
    modes.push_back({mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel});
  return modes;
}

DisplayMode primaryCurrentMode() {
  DEVMODEA mode = {};
  mode.dmSize = sizeof mode;
  if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return {};
  return {mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel};
}

DisplayModeSource modeSource = {enumeratePrimaryModes, primaryCurrentMode};

HWND item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

void enable(HWND dialog, int id, bool on) { EnableWindow(item(dialog, id), on ? TRUE : FALSE); }

void check(HWND dialog, int id, bool on) {
  CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

void showPercent(HWND dialog, int id, const char* format, std::uint32_t value) {
  char text[64];
  std::snprintf(text, sizeof text, format, int(value));
  SetDlgItemTextA(dialog, id, text);
}

void showVolume(HWND dialog, std::uint32_t volume) {
  showPercent(dialog, IDC_VOLUME_TEXT, "Volume (%d%%)", volume);
}

void showBrightness(HWND dialog, std::uint32_t gamma) {
  showPercent(dialog, IDC_BRIGHTNESS_TEXT, "Brightness (%d%%)", gamma + 50);
}

void selectMode(HWND dialog, const DisplayMode& mode) {
  const std::string text = modeEntryText(mode);
  SendMessageA(item(dialog, IDC_MODE_LIST), CB_SELECTSTRING, WPARAM(-1), LPARAM(text.c_str()));
}

void selectDesktopMode(HWND dialog) {
  selectMode(dialog, modeSource.currentMode());
  enable(dialog, IDC_MODE_LIST, false);
}

void setTrackBar(HWND dialog, int id, int low, int high, std::uint32_t position) {
  HWND bar = item(dialog, id);
  SendMessageA(bar, TBM_SETRANGE, TRUE, MAKELPARAM(low, high));
  SendMessageA(bar, TBM_SETPOS, TRUE, LPARAM(position));
  SendMessageA(bar, TBM_SETTICFREQ, 10, 0);
}

void moveTrackBar(HWND dialog, int id, std::uint32_t position) {
  SendMessageA(item(dialog, id), TBM_SETPOS, TRUE, LPARAM(position));
}

std::uint32_t trackBarPosition(HWND dialog, int id) {
  return std::uint32_t(SendMessageA(item(dialog, id), TBM_GETPOS, 0, 0));
}

void enableVolume(HWND dialog, bool on) {
  enable(dialog, IDC_VOLUME, on);
  enable(dialog, IDC_VOLUME_TEXT, on);
}

void enableBrightness(HWND dialog, bool on) {
  enable(dialog, IDC_BRIGHTNESS, on);
  enable(dialog, IDC_BRIGHTNESS_TEXT, on);
}

void enableTimeFormat(HWND dialog, bool on) {
  enable(dialog, IDC_12_HOURS, on);
  enable(dialog, IDC_24_HOURS, on);
}

// The picture drawn afresh at its control's size, which follows the dialog's
// font and so the display scaling; the control keeps its size from the
// template.
void fitPicture(HWND dialog) {
  HWND control = item(dialog, IDC_DIALOG_PICTURE);
  RECT area = {};
  GetClientRect(control, &area);
  const auto picture = HBITMAP(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
  HBITMAP fitted = pictureCovering(picture, area.right, area.bottom);
  if (!fitted) return;
  const auto previous = HBITMAP(SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, LPARAM(fitted)));
  if (previous && previous != fitted) DeleteObject(previous);
}

// The control does not own a picture it was given.
void freePicture(HWND dialog) {
  const auto picture =
      HBITMAP(SendMessageA(item(dialog, IDC_DIALOG_PICTURE), STM_SETIMAGE, IMAGE_BITMAP, 0));
  if (picture) DeleteObject(picture);
}

void initialise(HWND dialog) {
  fitPicture(dialog);

  HWND list = item(dialog, IDC_MODE_LIST);
  for (const std::string& entry : modeListEntries(modeSource.listModes()))
    SendMessageA(list, CB_ADDSTRING, 0, LPARAM(entry.c_str()));
  if (settings.UseDesktop)
    selectDesktopMode(dialog);
  else
    selectMode(dialog, {settings.Width, settings.Height, settings.Depth});

  check(dialog, IDC_USE_DESKTOP, settings.UseDesktop);
  check(dialog, IDC_ENABLE_MUSIC, settings.EnableMusic);
  check(dialog, IDC_DEFAULT_GAMMA, settings.DefGamma);
  check(dialog, IDC_SHOW_TIME, settings.ShowClock);
  check(dialog, IDC_SHOW_FPS, settings.ShowFPS);
  check(dialog, IDC_VSYNC, settings.VSync);
  check(dialog, IDC_MOUSE_EXIT, settings.MouseExit);
  check(dialog, IDC_ALL_MONITORS, settings.AllMonitors);
  check(dialog, IDC_12_HOURS, settings.TimeFormat);
  check(dialog, IDC_24_HOURS, !settings.TimeFormat);

  enableVolume(dialog, settings.EnableMusic);
  enableBrightness(dialog, !settings.DefGamma);
  enableTimeFormat(dialog, settings.ShowClock);

  showVolume(dialog, settings.Volume);
  showBrightness(dialog, settings.Gamma);

  setTrackBar(dialog, IDC_VOLUME, 1, 100, settings.Volume);
  setTrackBar(dialog, IDC_BRIGHTNESS, 0, 100, settings.Gamma);
  setTrackBar(dialog, IDC_SPEED, 0, 100, settings.Speed);
}

// Clicks beside the thumb and drags move the settings; arrow keys, Home,
// End and the end of a drag do not.
void trackBarMoved(HWND dialog, int code) {
  if (code != TB_PAGEUP && code != TB_PAGEDOWN && code != TB_THUMBTRACK) return;
  settings.Volume = trackBarPosition(dialog, IDC_VOLUME);
  showVolume(dialog, settings.Volume);
  settings.Gamma = trackBarPosition(dialog, IDC_BRIGHTNESS);
  showBrightness(dialog, settings.Gamma);
  settings.Speed = trackBarPosition(dialog, IDC_SPEED);
}

void toggle(HWND dialog, int id, bool& flag) {
  flag = !flag;
  check(dialog, id, flag);
}

void restoreDefaults(HWND dialog) {
  selectDesktopMode(dialog);
  settings.UseDesktop = true;
  settings.EnableMusic = true;
  settings.Volume = 100;
  settings.Gamma = 50;
  enableVolume(dialog, true);
  showVolume(dialog, 100);
  showBrightness(dialog, 50);
  settings.ShowClock = true;
  enableTimeFormat(dialog, true);
  settings.ShowFPS = false;
  settings.VSync = false;
  settings.MouseExit = false;
  settings.AllMonitors = true;
  moveTrackBar(dialog, IDC_VOLUME, 100);
  moveTrackBar(dialog, IDC_BRIGHTNESS, 50);
  settings.DefGamma = true;
  enableBrightness(dialog, false);
  check(dialog, IDC_USE_DESKTOP, true);
  check(dialog, IDC_ENABLE_MUSIC, true);
  check(dialog, IDC_SHOW_TIME, true);
  check(dialog, IDC_SHOW_FPS, false);
  check(dialog, IDC_VSYNC, false);
  check(dialog, IDC_MOUSE_EXIT, false);
  check(dialog, IDC_ALL_MONITORS, true);
  check(dialog, IDC_DEFAULT_GAMMA, true);
}

void accept(HWND dialog) {
  HWND list = item(dialog, IDC_MODE_LIST);
  const LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
  if (selected != CB_ERR) {
    const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, WPARAM(selected), 0);
    char text[64] = {};
    DisplayMode mode;
    if (length != CB_ERR && length < LRESULT(sizeof text) &&
        SendMessageA(list, CB_GETLBTEXT, WPARAM(selected), LPARAM(text)) != CB_ERR &&
        parseModeEntry(text, mode)) {
      settings.Width = mode.width;
      settings.Height = mode.height;
      settings.Depth = mode.bitsPerPixel;
    }
  }
  settings.TimeFormat = IsDlgButtonChecked(dialog, IDC_12_HOURS) == BST_CHECKED;
  saveSettings();
  EndDialog(dialog, IDOK);
}

BOOL command(HWND dialog, int id) {
  switch (id) {
    case IDOK:
      accept(dialog);
      return TRUE;
    case IDCANCEL:
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    case IDC_ABOUT:
      DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), dialog,
                      aboutDialogProc, 0);
      return TRUE;
    case IDC_RESTORE_DEFAULTS:
      restoreDefaults(dialog);
      return TRUE;
    case IDC_USE_DESKTOP:
      toggle(dialog, id, settings.UseDesktop);
      if (settings.UseDesktop)
        selectDesktopMode(dialog);
      else
        enable(dialog, IDC_MODE_LIST, true);
      return TRUE;
    case IDC_ENABLE_MUSIC:
      toggle(dialog, id, settings.EnableMusic);
      enableVolume(dialog, settings.EnableMusic);
      return TRUE;
    case IDC_SHOW_TIME:
      toggle(dialog, id, settings.ShowClock);
      enableTimeFormat(dialog, settings.ShowClock);
      return TRUE;
    case IDC_DEFAULT_GAMMA:
      toggle(dialog, id, settings.DefGamma);
      settings.Gamma = 50;
      moveTrackBar(dialog, IDC_BRIGHTNESS, 50);
      showBrightness(dialog, 50);
      enableBrightness(dialog, !settings.DefGamma);
      return TRUE;
    case IDC_SHOW_FPS:
      toggle(dialog, id, settings.ShowFPS);
      return TRUE;
    case IDC_VSYNC:
      toggle(dialog, id, settings.VSync);
      return TRUE;
    case IDC_MOUSE_EXIT:
      toggle(dialog, id, settings.MouseExit);
      return TRUE;
    case IDC_ALL_MONITORS:
      toggle(dialog, id, settings.AllMonitors);
      return TRUE;
    default:
      return FALSE;  // the radio buttons toggle themselves
  }
}

}  // namespace

void setDisplayModeSource(const DisplayModeSource& source) { modeSource = source; }

DisplayModeSource primaryDisplayModes() { return {enumeratePrimaryModes, primaryCurrentMode}; }

INT_PTR CALLBACK configurationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      initialise(dialog);
      return TRUE;
    case WM_COMMAND:
      return command(dialog, LOWORD(wParam));
    case WM_HSCROLL:
      trackBarMoved(dialog, LOWORD(wParam));
      return TRUE;
    case WM_DESTROY:
      freePicture(dialog);
      return FALSE;
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

int runConfigurationDialog(SaverApp& app) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  DialogBoxParamA(app.instance, MAKEINTRESOURCEA(IDD_CONFIGURATION), app.parentWindow,
                  configurationDialogProc, 0);
  return 0;
}
