#include "app/saver_run.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/saver_app.h"
#include "app/win_monitors.h"
#include "host/settings.h"
#include "render/views.h"
#include "tests/audio/ogg_tone.h"
#include "tests/data/data_fixtures.h"
#include "tests/support/temp_dir.h"

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

// What the saver's run went through, noted on its own thread by the timer
// that plays the system: the display off, system commands, the display
// dimmed, a key.
struct RunScript {
  int step = 0;
  Vec3 eyeAtOff, eyeBeforeDim, eyeAfterDim;
  double cpuWhileOff = -1;
  std::vector<WPARAM> commandsToSystem;
} script;

double processCpuSeconds() {
  FILETIME created, ended, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
  auto seconds = [](const FILETIME& t) {
    return double(ULONGLONG(t.dwHighDateTime) << 32 | t.dwLowDateTime) * 1e-7;
  };
  return seconds(kernel) + seconds(user);
}

bool same(const Vec3& a, const Vec3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

// 0 off, 1 on, 2 dimmed, as the system sends it.
void sendDisplayState(DWORD state) {
  alignas(POWERBROADCAST_SETTING) unsigned char change[sizeof(POWERBROADCAST_SETTING) + 4] = {};
  auto* setting = reinterpret_cast<POWERBROADCAST_SETTING*>(change);
  setting->PowerSetting = GUID_CONSOLE_DISPLAY_STATE;
  setting->DataLength = sizeof state;
  std::memcpy(change + offsetof(POWERBROADCAST_SETTING, Data), &state, sizeof state);
  SendMessageA(mainWindow, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, LPARAM(change));
}

// A second apart, on the saver's thread.
void CALLBACK playSystem(HWND, UINT, UINT_PTR, DWORD) {
  static double cpuAtOff = 0;
  switch (script.step++) {
    case 0:
      SendMessageA(mainWindow, WM_SYSCOMMAND, SC_MONITORPOWER, -1);
      SendMessageA(mainWindow, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
      SendMessageA(mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
      sendDisplayState(0);
      script.eyeAtOff = views[0].camera.eye;
      cpuAtOff = processCpuSeconds();
      break;
    case 1:
      break;
    case 2:
      script.cpuWhileOff = processCpuSeconds() - cpuAtOff;
      script.eyeBeforeDim = views[0].camera.eye;
      sendDisplayState(2);
      break;
    case 3:
      script.eyeAfterDim = views[0].camera.eye;
      PostMessageA(mainWindow, WM_KEYDOWN, VK_SPACE, 0);
      break;
    default:
      PostMessageA(mainWindow, WM_CLOSE, 0, 0);  // the key did not end it
  }
}

LRESULT CALLBACK noteSystemCommand(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_SYSCOMMAND) script.commandsToSystem.push_back(wParam);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The display off stops the frames and next to all work until it comes back
// (dimmed, here); of the system commands only monitor power reaches the
// default procedure, which tells hooks of each command it gets.
TEST(SaverRun, NoFramesWhileTheDisplayIsOffAndTheDisplayMayPowerDown) {
  const Bytes grey = jpegFile(16, 16, 3, filled(16, 16, {120, 120, 120}));
  ArchiveFixture archive({{"textures\\load.jpg", grey},
                          {"textures\\sign.jpg", grey},
                          {"textures\\c.jpg", grey},
                          textMember("texture.txt", "c.jpg\nEND_TEXT\n"),
                          textMember("env.txt", "env space\nend\nENV_END\n"),
                          textMember("worlds.txt",
                                     "world world\nenv space\nsystem\nend\nWORLD_END\n"),
                          {"music.ogg", encodeTone(44100, 2, 44100, 0.3f)}});
  SaverApp app;
  app.instance = GetModuleHandleA(nullptr);
  enumerateMonitors(app.monitors);
  const DEVMODEA mode = currentMode();
  settings = Settings{};
  settings.Width = mode.dmPelsWidth;
  settings.Height = mode.dmPelsHeight;
  settings.Depth = mode.dmBitsPerPel;
  settings.EnableMusic = 1;
  script = RunScript{};
  const HHOOK hook = SetWindowsHookExA(WH_CBT, noteSystemCommand, nullptr, GetCurrentThreadId());
  const UINT_PTR timer = SetTimer(nullptr, 0, 1000, playSystem);

  runSaver(app);
  KillTimer(nullptr, timer);
  UnhookWindowsHookEx(hook);
  settings = Settings{};
  // The run leaves its windows to the end of the process; the tests go on.
  for (std::uint32_t i = 0; i < app.monitors.count; ++i)
    if (app.monitors.rows[i].window) DestroyWindow(static_cast<HWND>(app.monitors.rows[i].window));
  mainWindow = nullptr;
  MSG left;
  while (PeekMessageA(&left, nullptr, 0, 0, PM_REMOVE)) {
  }

  EXPECT_EQ(script.step, 4) << "a key ends the run";
  EXPECT_EQ(script.commandsToSystem, std::vector<WPARAM>{SC_MONITORPOWER});
  EXPECT_TRUE(same(script.eyeBeforeDim, script.eyeAtOff)) << "no frame while the display is off";
  std::printf("CPU time with the display off: %.3f s in 2 s\n", script.cpuWhileOff);
  EXPECT_LT(script.cpuWhileOff, 0.2);
  EXPECT_FALSE(same(script.eyeAfterDim, script.eyeBeforeDim)) << "frames again once it is dimmed";
}

}  // namespace
