#include "app/saver_run.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "app/saver_app.h"
#include "app/win_monitors.h"
#include "host/settings.h"

namespace {

// The pointer's display count: shown while it is 0 or more.
int cursorCount() {
  const int count = ShowCursor(TRUE);
  ShowCursor(FALSE);
  return count - 1;
}

DEVMODEA currentMode() {
  DEVMODEA mode = {};
  mode.dmSize = sizeof mode;
  EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode);
  return mode;
}

LRESULT CALLBACK refuseCreation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return FALSE;
  return DefWindowProcA(window, message, wParam, lParam);
}

// The main window's class is taken before the run registers its own, with a
// procedure that refuses to create the window.
TEST(SaverRun, AFailedWindowCreationGivesTheDisplayAndThePointerBack) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA refusing = {};
  refusing.lpfnWndProc = refuseCreation;
  refusing.hInstance = instance;
  refusing.lpszClassName = "MyWindow";
  ASSERT_NE(RegisterClassA(&refusing), 0);

  SaverApp app;
  app.instance = instance;
  enumerateMonitors(app.monitors);
  ASSERT_GE(app.monitors.count, 1u);
  settings = Settings{};
  settings.Width = 800;
  settings.Height = 600;
  settings.Depth = 32;
  const DEVMODEA before = currentMode();
  const int cursorBefore = cursorCount();

  EXPECT_EQ(runSaver(app), 0);

  EXPECT_EQ(cursorCount(), cursorBefore);
  const DEVMODEA after = currentMode();
  EXPECT_EQ(after.dmPelsWidth, before.dmPelsWidth);
  EXPECT_EQ(after.dmPelsHeight, before.dmPelsHeight);
  EXPECT_EQ(mainWindow, nullptr);
  for (std::uint32_t i = 0; i < app.monitors.count; ++i) EXPECT_EQ(app.monitors.rows[i].window, nullptr);
  WNDCLASSA left = {};
  EXPECT_FALSE(GetClassInfoA(instance, "MyWindow", &left));
  settings = Settings{};
}

}  // namespace
