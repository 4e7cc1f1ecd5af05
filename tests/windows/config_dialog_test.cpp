#include "app/config_dialog.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host/settings.h"
#include "resources/resource_ids.h"
#include "tests/windows/registry_key.h"

namespace {

std::vector<DisplayMode> offeredModes;
DisplayMode desktopMode;

std::vector<DisplayMode> listOffered() { return offeredModes; }
DisplayMode currentDesktop() { return desktopMode; }

// The configuration dialog made modeless from the program's resources and
// driven by the messages its controls would send.
class ConfigDialog : public testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    settings = Settings{};
    offeredModes = {{640, 480, 32}, {800, 600, 16}, {800, 600, 32}, {1024, 768, 32}};
    desktopMode = {1024, 768, 32};
    setDisplayModeSource({listOffered, currentDesktop});
  }

  void TearDown() override {
    if (dialog) DestroyWindow(dialog);
    setDisplayModeSource(primaryDisplayModes());
    settings = Settings{};
  }

  void open() {
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CONFIGURATION),
                                nullptr, configurationDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
  }

  LRESULT send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(GetDlgItem(dialog, id), message, wParam, lParam);
  }

  BOOL click(int id) {
    return BOOL(configurationDialogProc(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                                        LPARAM(GetDlgItem(dialog, id))));
  }

  void scroll(int id, int code) {
    configurationDialogProc(dialog, WM_HSCROLL, MAKEWPARAM(code, 0), LPARAM(GetDlgItem(dialog, id)));
  }

  std::vector<std::string> entries() {
    std::vector<std::string> texts;
    const LRESULT count = send(IDC_MODE_LIST, CB_GETCOUNT);
    for (LRESULT i = 0; i < count; ++i) {
      char text[64] = {};
      send(IDC_MODE_LIST, CB_GETLBTEXT, WPARAM(i), LPARAM(text));
      texts.push_back(text);
    }
    return texts;
  }

  std::string selected() {
    const LRESULT index = send(IDC_MODE_LIST, CB_GETCURSEL);
    if (index == CB_ERR) return "";
    char text[64] = {};
    send(IDC_MODE_LIST, CB_GETLBTEXT, WPARAM(index), LPARAM(text));
    return text;
  }

  std::string text(int id) {
    char buffer[64] = {};
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
  }

  bool enabled(int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
  bool checked(int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
  int position(int id) { return int(send(id, TBM_GETPOS)); }

  HWND dialog = nullptr;
};

using Texts = std::vector<std::string>;

TEST_F(ConfigDialog, ListsModesFromSixteenBitsAndSixFortyByFourEighty) {
  offeredModes = {{640, 480, 8}, {800, 600, 16}, {800, 600, 32}};
  settings.UseDesktop = false;
  settings.Width = 800;
  settings.Height = 600;
  settings.Depth = 32;
  open();
  EXPECT_EQ(entries(), (Texts{"800 x 600 16 bits", "800 x 600 32 bits"}));
  EXPECT_EQ(selected(), "800 x 600 32 bits");
  EXPECT_TRUE(enabled(IDC_MODE_LIST));
}

TEST_F(ConfigDialog, RefreshRatesOfOneModeMakeOneEntry) {
  offeredModes = {{1024, 768, 32}, {1024, 768, 32}, {1024, 768, 32}};
  open();
  EXPECT_EQ(entries(), (Texts{"1024 x 768 32 bits"}));
  // UseDesktop: the desktop's entry, and the list is locked.
  EXPECT_EQ(selected(), "1024 x 768 32 bits");
  EXPECT_FALSE(enabled(IDC_MODE_LIST));
}

TEST_F(ConfigDialog, OpensWithTheSettingsShown) {
  settings.UseDesktop = false;
  settings.Width = 1280;  // not offered: nothing selected
  settings.EnableMusic = false;
  settings.DefGamma = false;
  settings.Gamma = 80;
  settings.Volume = 35;
  settings.Speed = 20;
  settings.ShowClock = false;
  settings.TimeFormat = true;
  settings.MouseExit = true;
  open();
  EXPECT_EQ(selected(), "");
  EXPECT_FALSE(checked(IDC_ENABLE_MUSIC));
  EXPECT_TRUE(checked(IDC_MOUSE_EXIT));
  EXPECT_TRUE(checked(IDC_12_HOURS));
  EXPECT_FALSE(checked(IDC_24_HOURS));
  EXPECT_FALSE(enabled(IDC_VOLUME));
  EXPECT_FALSE(enabled(IDC_VOLUME_TEXT));
  EXPECT_TRUE(enabled(IDC_BRIGHTNESS));
  EXPECT_FALSE(enabled(IDC_12_HOURS));
  EXPECT_EQ(text(IDC_VOLUME_TEXT), "Volume (35%)");
  EXPECT_EQ(text(IDC_BRIGHTNESS_TEXT), "Brightness (130%)");
  EXPECT_EQ(position(IDC_VOLUME), 35);
  EXPECT_EQ(position(IDC_BRIGHTNESS), 80);
  EXPECT_EQ(position(IDC_SPEED), 20);
  EXPECT_EQ(send(IDC_VOLUME, TBM_GETRANGEMIN), 1);
  EXPECT_EQ(send(IDC_SPEED, TBM_GETRANGEMAX), 100);
}

TEST_F(ConfigDialog, DefaultGammaResetsBrightnessBothWays) {
  settings.DefGamma = false;
  settings.Gamma = 80;
  open();
  EXPECT_TRUE(click(IDC_DEFAULT_GAMMA));
  EXPECT_TRUE(settings.DefGamma);
  EXPECT_TRUE(checked(IDC_DEFAULT_GAMMA));
  EXPECT_EQ(settings.Gamma, 50u);
  EXPECT_EQ(position(IDC_BRIGHTNESS), 50);
  EXPECT_EQ(text(IDC_BRIGHTNESS_TEXT), "Brightness (100%)");
  EXPECT_FALSE(enabled(IDC_BRIGHTNESS));

  send(IDC_BRIGHTNESS, TBM_SETPOS, TRUE, 90);
  click(IDC_DEFAULT_GAMMA);
  EXPECT_FALSE(settings.DefGamma);
  EXPECT_EQ(settings.Gamma, 50u);
  EXPECT_EQ(position(IDC_BRIGHTNESS), 50);
  EXPECT_TRUE(enabled(IDC_BRIGHTNESS));
  EXPECT_TRUE(enabled(IDC_BRIGHTNESS_TEXT));
}

TEST_F(ConfigDialog, OnlyPagingAndDraggingMoveTheSettings) {
  settings.DefGamma = false;
  settings.Volume = 40;
  settings.Gamma = 60;
  settings.Speed = 30;
  open();
  send(IDC_VOLUME, TBM_SETPOS, TRUE, 45);
  send(IDC_BRIGHTNESS, TBM_SETPOS, TRUE, 70);
  send(IDC_SPEED, TBM_SETPOS, TRUE, 90);
  for (int code : {TB_LINEUP, TB_LINEDOWN, TB_THUMBPOSITION, TB_TOP, TB_BOTTOM, TB_ENDTRACK}) {
    scroll(IDC_SPEED, code);
    EXPECT_EQ(settings.Volume, 40u) << code;
    EXPECT_EQ(settings.Gamma, 60u) << code;
    EXPECT_EQ(settings.Speed, 30u) << code;
  }
  EXPECT_EQ(text(IDC_VOLUME_TEXT), "Volume (40%)");

  // Any one bar's page or drag reads all three.
  scroll(IDC_SPEED, TB_PAGEDOWN);
  EXPECT_EQ(settings.Volume, 45u);
  EXPECT_EQ(settings.Gamma, 70u);
  EXPECT_EQ(settings.Speed, 90u);
  EXPECT_EQ(text(IDC_VOLUME_TEXT), "Volume (45%)");
  EXPECT_EQ(text(IDC_BRIGHTNESS_TEXT), "Brightness (120%)");
  send(IDC_VOLUME, TBM_SETPOS, TRUE, 10);
  scroll(IDC_VOLUME, TB_THUMBTRACK);
  EXPECT_EQ(settings.Volume, 10u);
  send(IDC_VOLUME, TBM_SETPOS, TRUE, 12);
  scroll(IDC_BRIGHTNESS, TB_PAGEUP);
  EXPECT_EQ(settings.Volume, 12u);
}

TEST_F(ConfigDialog, CheckBoxesToggleTheirFlagsAndWhatDependsOnThem) {
  settings.UseDesktop = false;
  settings.Width = 800;
  settings.Height = 600;
  settings.Depth = 16;
  open();
  EXPECT_EQ(selected(), "800 x 600 16 bits");
  click(IDC_USE_DESKTOP);
  EXPECT_TRUE(settings.UseDesktop);
  EXPECT_EQ(selected(), "1024 x 768 32 bits");
  EXPECT_FALSE(enabled(IDC_MODE_LIST));
  click(IDC_USE_DESKTOP);
  EXPECT_FALSE(settings.UseDesktop);
  EXPECT_TRUE(enabled(IDC_MODE_LIST));

  click(IDC_ENABLE_MUSIC);
  EXPECT_FALSE(settings.EnableMusic);
  EXPECT_FALSE(enabled(IDC_VOLUME));
  EXPECT_FALSE(enabled(IDC_VOLUME_TEXT));
  click(IDC_SHOW_TIME);
  EXPECT_FALSE(settings.ShowClock);
  EXPECT_FALSE(enabled(IDC_24_HOURS));
  click(IDC_SHOW_TIME);
  EXPECT_TRUE(enabled(IDC_24_HOURS));
  for (int id : {IDC_SHOW_FPS, IDC_VSYNC, IDC_MOUSE_EXIT}) {
    click(id);
    EXPECT_TRUE(checked(id)) << id;
  }
  EXPECT_TRUE(settings.ShowFPS && settings.VSync && settings.MouseExit);
  // The radio buttons are left to the platform.
  EXPECT_FALSE(click(IDC_12_HOURS));
  EXPECT_FALSE(click(4242));
}

TEST_F(ConfigDialog, RestoreDefaultsKeepsSpeedAndTheClockFormat) {
  settings.UseDesktop = false;
  settings.Width = 800;
  settings.Height = 600;
  settings.Depth = 16;
  settings.EnableMusic = false;
  settings.Volume = 20;
  settings.DefGamma = false;
  settings.Gamma = 90;
  settings.ShowClock = false;
  settings.ShowFPS = settings.VSync = settings.MouseExit = true;
  settings.TimeFormat = true;
  settings.Speed = 77;
  open();
  EXPECT_TRUE(click(IDC_RESTORE_DEFAULTS));
  EXPECT_TRUE(settings.UseDesktop && settings.EnableMusic && settings.ShowClock && settings.DefGamma);
  EXPECT_FALSE(settings.ShowFPS || settings.VSync || settings.MouseExit);
  EXPECT_EQ(settings.Volume, 100u);
  EXPECT_EQ(settings.Gamma, 50u);
  EXPECT_EQ(settings.Speed, 77u);
  EXPECT_TRUE(settings.TimeFormat);
  EXPECT_TRUE(checked(IDC_12_HOURS));
  EXPECT_EQ(selected(), "1024 x 768 32 bits");
  EXPECT_FALSE(enabled(IDC_MODE_LIST));
  EXPECT_EQ(position(IDC_VOLUME), 100);
  EXPECT_EQ(position(IDC_BRIGHTNESS), 50);
  EXPECT_EQ(position(IDC_SPEED), 77);
  EXPECT_EQ(text(IDC_VOLUME_TEXT), "Volume (100%)");
  EXPECT_EQ(text(IDC_BRIGHTNESS_TEXT), "Brightness (100%)");
  EXPECT_TRUE(enabled(IDC_VOLUME));
  EXPECT_FALSE(enabled(IDC_BRIGHTNESS));
  EXPECT_TRUE(enabled(IDC_12_HOURS));
  EXPECT_TRUE(checked(IDC_USE_DESKTOP) && checked(IDC_ENABLE_MUSIC) && checked(IDC_SHOW_TIME) &&
              checked(IDC_DEFAULT_GAMMA));
  EXPECT_FALSE(checked(IDC_SHOW_FPS) || checked(IDC_VSYNC) || checked(IDC_MOUSE_EXIT));
}

TEST_F(ConfigDialog, OkStoresTheSelectedDesktopMode) {
  SettingsKey key;
  settings.UseDesktop = true;
  settings.Width = 640;
  settings.Height = 480;
  settings.Depth = 16;
  desktopMode = {800, 600, 32};
  open();
  send(IDC_24_HOURS, BM_SETCHECK, BST_UNCHECKED);
  send(IDC_12_HOURS, BM_SETCHECK, BST_CHECKED);
  EXPECT_TRUE(click(IDOK));
  EXPECT_EQ(settings.Width, 800u);
  EXPECT_EQ(settings.Height, 600u);
  EXPECT_EQ(settings.Depth, 32u);
  EXPECT_TRUE(settings.TimeFormat);
  std::uint32_t value = 0;
  ASSERT_TRUE(SettingsKey::number("Width", value));
  EXPECT_EQ(value, 800u);
  ASSERT_TRUE(SettingsKey::number("Depth", value));
  EXPECT_EQ(value, 32u);
  ASSERT_TRUE(SettingsKey::number("TimeFormat", value));
  EXPECT_EQ(value, 1u);
  EXPECT_FALSE(SettingsKey::has("Path"));
}

TEST_F(ConfigDialog, OkWithoutASelectionKeepsTheModeAndCancelSavesNothing) {
  SettingsKey key;
  offeredModes = {};
  settings.Width = 1111;
  open();
  click(IDC_SHOW_FPS);
  EXPECT_TRUE(click(IDCANCEL));
  EXPECT_EQ(SettingsKey::valueCount(), 0u);
  click(IDOK);
  std::uint32_t value = 0;
  ASSERT_TRUE(SettingsKey::number("Width", value));
  EXPECT_EQ(value, 1111u);
}

// One control of the dialog, as laid out at the display's scaling.
struct LaidOut {
  HWND window;
  RECT rect;  // in the dialog's client coordinates
  std::string className, text;
  LONG style;
};

BOOL CALLBACK collect(HWND window, LPARAM list) {
  LaidOut control = {window, {}, {}, {}, LONG(GetWindowLongPtrA(window, GWL_STYLE))};
  GetWindowRect(window, &control.rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&control.rect), 2);
  char buffer[128] = {};
  GetClassNameA(window, buffer, sizeof buffer);
  control.className = buffer;
  GetWindowTextA(window, buffer, sizeof buffer);
  control.text = buffer;
  reinterpret_cast<std::vector<LaidOut>*>(list)->push_back(control);
  return TRUE;
}

int textWidth(const LaidOut& control) {
  HDC dc = GetDC(control.window);
  HGDIOBJ previous = SelectObject(dc, HFONT(SendMessageA(control.window, WM_GETFONT, 0, 0)));
  RECT bounds = {};
  DrawTextA(dc, control.text.c_str(), -1, &bounds, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, previous);
  ReleaseDC(control.window, dc);
  return bounds.right;
}

bool contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// At whatever scaling the display has: every control inside the dialog, no
// two controls partly over each other (a group box holds its controls
// whole), every text within its control and the picture drawn at its
// control's size. The size goes to the output for the end-to-end test that
// compares scalings.
TEST_F(ConfigDialog, EverythingFitsAtThisScaling) {
  settings.DefGamma = false;
  settings.Gamma = 50;
  settings.Volume = 100;
  open();
  RECT client = {};
  GetClientRect(dialog, &client);
  std::printf("dialog client size: %ldx%ld\n", client.right, client.bottom);
  std::vector<LaidOut> controls;
  EnumChildWindows(dialog, collect, LPARAM(&controls));
  ASSERT_GE(controls.size(), 25u);

  const int checkMark = GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE);
  for (const LaidOut& control : controls) {
    EXPECT_TRUE(contains(client, control.rect)) << control.text;
    for (const LaidOut& other : controls) {
      RECT common;
      if (&other != &control && IntersectRect(&common, &control.rect, &other.rect)) {
        EXPECT_TRUE(contains(control.rect, other.rect) || contains(other.rect, control.rect))
            << '"' << control.text << "\" and \"" << other.text << '"';
      }
    }
    const LONG kind = control.style & BS_TYPEMASK;
    int room = control.rect.right - control.rect.left;
    if (control.className == "Button" && (kind == BS_AUTOCHECKBOX || kind == BS_AUTORADIOBUTTON))
      room -= checkMark;
    if (!control.text.empty() && (control.className == "Button" || control.className == "Static")) {
      EXPECT_LE(textWidth(control), room) << '"' << control.text << '"';
    }
  }

  HWND picture = GetDlgItem(dialog, IDC_DIALOG_PICTURE);
  RECT area = {};
  GetClientRect(picture, &area);
  BITMAP drawn = {};
  ASSERT_TRUE(GetObjectA(HBITMAP(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0)),
                         sizeof drawn, &drawn));
  EXPECT_EQ(drawn.bmWidth, area.right);
  EXPECT_EQ(drawn.bmHeight, area.bottom);
}

}  // namespace
