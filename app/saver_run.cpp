// saver_run.cpp -- the Windows saver's run: windows on every display, loading, frame loop, end
#include "app/saver_run.h"

#include <windows.h>

#include <cstdint>
#include <cstring>

#include "app/music_player.h"
#include "app/saver_app.h"
#include "app/saver_input.h"
#include "app/win_display.h"
#include "app/win_monitors.h"
#include "data/data_file.h"
#include "gl/gl.h"
#include "host/host.h"
#include "host/settings.h"
#include "render/frame.h"
#include "render/session.h"
#include "render/views.h"

HWND mainWindow = nullptr;

namespace {

constexpr const char* kMainClass = "MyWindow";
constexpr const char* kCoverClass = "FakeMonitor";
constexpr int kIconId = 111;

using SwapIntervalProc = BOOL(WINAPI*)(int);

// The saver as the core's host, with the run's state: the main window's
// device context and GL context, the loading progress and the music.
class SaverHost : public Host {
 public:
  HDC deviceContext = nullptr;  // the main window's own (class) device context
  HGLRC glContext = nullptr;
  std::uint32_t loadingProgress = 0;
  DataFile music;
  MusicPlayer musicPlayer;
  SaverApp* app = nullptr;
  // The monitors shown on, the primary's index, and whether the main window
  // spans them all with a view on each (else black covers on the others).
  std::vector<DesktopRect> monitors;
  std::size_t primary = 0;
  bool spanning = false;
  POINT home = {0, 0};  // where the pointer rests: the first view's centre
  bool displayOff = false;  // while the display is off, no frames and no music

  void showMessage(const char* text, const char* caption) override {
    MessageBoxA(nullptr, text, caption, MB_OK);
  }
  // The window procedure draws the step (WM_LOADING_STEP).
  void loadingStep() override {
    if (mainWindow) SendMessageA(mainWindow, WM_LOADING_STEP, 0, 0);
  }
  void swapBuffers() override { SwapBuffers(wglGetCurrentDC()); }
  // Through WGL_EXT_swap_control, used only when both of its functions are there.
  void setSwapInterval(int interval) override {
    const PROC swapInterval = wglGetProcAddress("wglSwapIntervalEXT");
    if (!swapInterval || !wglGetProcAddress("wglGetSwapIntervalEXT")) return;
    reinterpret_cast<SwapIntervalProc>(reinterpret_cast<void*>(swapInterval))(interval);
  }
  bool applyGammaRamp(const std::uint16_t* ramp) override { return applyDeviceGammaRamp(ramp); }
  LocalTime localTime() override {
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond};
  }
  // The pointer rule counts movement within one second.
  void secondPassed() override { movementTotal = {}; }
  // Some drivers answer 1, 2, 3 or -1 instead of null for a missing function.
  void* glProcAddress(const char* name) override {
    const PROC proc = wglGetProcAddress(name);
    const auto value = reinterpret_cast<std::intptr_t>(proc);
    if (value >= -1 && value <= 3) return nullptr;
    return reinterpret_cast<void*>(proc);
  }
};

SaverHost saver;

void recentrePointer() { SetCursorPos(saver.home.x, saver.home.y); }

// The main window's views: one on each monitor it spans, else one filling
// it; the pointer's home at the first one's centre.
void fitViews(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  const DesktopRect placed = {origin.x, origin.y, std::uint32_t(client.right),
                              std::uint32_t(client.bottom)};
  const std::vector<ViewRect> rects = viewsInWindow(
      saver.spanning ? saver.monitors : std::vector<DesktopRect>{}, saver.primary, placed);
  reshapeViews(rects);
  const ViewRect& first = rects.front();
  saver.home = {LONG(placed.x + first.x + std::int32_t(first.width / 2)),
                LONG(placed.y + std::int32_t(placed.height) - first.y - std::int32_t(first.height) +
                     std::int32_t(first.height / 2))};
}

void registerClasses(HINSTANCE instance) {
  WNDCLASSA windowClass = {};
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kIconId));
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));

  windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
  windowClass.lpfnWndProc = saverWindowProc;
  windowClass.lpszClassName = kMainClass;
  RegisterClassA(&windowClass);

  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.lpszClassName = kCoverClass;
  RegisterClassA(&windowClass);
}

void unregisterClasses(HINSTANCE instance) {
  UnregisterClassA(kMainClass, instance);
  UnregisterClassA(kCoverClass, instance);
}

void deleteGlContext() {
  if (saver.glContext) {
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(saver.glContext);
  }
  saver.glContext = nullptr;
}

// The monitors on the desktop now; at the start the primary at the display
// mode's size, the mode the run has just set.
void takeMonitors(const SaverApp& app, bool starting) {
  saver.monitors = activeMonitors(app.monitors, saver.primary);
  if (starting && !saver.monitors.empty()) {
    saver.monitors[saver.primary].width = settings.Width;
    saver.monitors[saver.primary].height = settings.Height;
  }
  saver.spanning = settings.AllMonitors && saver.monitors.size() > 1;
}

DesktopRect mainWindowRect() { return fullScreenRect(saver.monitors, saver.primary, saver.spanning); }

// The table's rows take their windows: the main window on the primary's,
// black covers on the others unless the main window spans them. False when
// a cover cannot be made.
bool createCovers(SaverApp& app) {
  std::size_t active = 0;
  for (std::uint32_t i = 0; i < app.monitors.count; ++i) {
    MonitorEntry& row = app.monitors.rows[i];
    if (!row.monitor) continue;
    if (active++ == saver.primary) {
      row.window = mainWindow;
    } else if (!saver.spanning) {
      const DisplayRect& r = row.desktopRect;
      row.window = CreateWindowExA(WS_EX_APPWINDOW | WS_EX_TOPMOST, kCoverClass, "Orbivane",
                                   WS_POPUP | WS_VISIBLE, r.left, r.top, r.right - r.left,
                                   r.bottom - r.top, nullptr, nullptr, app.instance, nullptr);
      if (!row.window) return false;
    }
  }
  return true;
}

void destroyCovers(SaverApp& app) {
  for (std::uint32_t i = 0; i < app.monitors.count; ++i) {
    HWND window = static_cast<HWND>(app.monitors.rows[i].window);
    if (window && window != mainWindow) DestroyWindow(window);
    app.monitors.rows[i].window = nullptr;
  }
}

// The main window, then the covers. False when a window cannot be made.
bool createWindows(SaverApp& app) {
  takeMonitors(app, true);
  if (saver.monitors.empty()) return true;
  const DesktopRect r = mainWindowRect();
  mainWindow = CreateWindowExA(WS_EX_APPWINDOW | WS_EX_TOPMOST, kMainClass, "Orbivane",
                               WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, r.x, r.y,
                               int(r.width), int(r.height), nullptr, nullptr, app.instance,
                               nullptr);
  return mainWindow && createCovers(app);
}

// Monitors came, went or changed their modes: the windows follow the
// desktop as it is now, and the views the windows.
void followDisplays(SaverApp& app) {
  destroyCovers(app);
  enumerateMonitors(app.monitors);
  takeMonitors(app, false);
  if (saver.monitors.empty()) return;
  createCovers(app);
  const DesktopRect r = mainWindowRect();
  SetWindowPos(mainWindow, HWND_TOPMOST, r.x, r.y, int(r.width), int(r.height), SWP_NOACTIVATE);
  fitViews(mainWindow);
  recentrePointer();
}

// Undoes the start when it cannot go on: no window, or no display to show on.
int abandonStart(SaverApp& app) {
  deleteGlContext();
  destroyCovers(app);
  if (mainWindow) DestroyWindow(mainWindow);
  mainWindow = nullptr;
  saver.deviceContext = nullptr;
  restoreDisplayMode();
  ShowCursor(TRUE);
  unregisterClasses(app.instance);
  saver.app = nullptr;
  setHost(nullptr);
  return 0;
}

void startMusic() {
  saver.musicPlayer.init(mainWindow, 44100);
  saver.musicPlayer.start();
  saver.musicPlayer.setVolume(settings.Volume);
  saver.music.open("music.ogg");
  saver.musicPlayer.loadSample(saver.music.data, saver.music.size);
  saver.musicPlayer.playLooped(settings.Volume);
}

// The console display's state from a power setting change: 0 off, 1 on, 2 dimmed.
void noteDisplayState(const POWERBROADCAST_SETTING& change) {
  if (!IsEqualGUID(change.PowerSetting, GUID_CONSOLE_DISPLAY_STATE) ||
      change.DataLength < sizeof(DWORD))
    return;
  DWORD state;
  std::memcpy(&state, change.Data, sizeof state);
  const bool off = state == 0;
  if (off == saver.displayOff) return;
  saver.displayOff = off;
  if (!settings.EnableMusic) return;
  if (off)
    saver.musicPlayer.pause();
  else
    saver.musicPlayer.start();
}

void runLoop() {
  bool running = true;
  while (running) {
    MSG message;
    if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        running = false;
      } else {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
      continue;
    }
    const FrameInput input = takeFrameInput(settings.MouseExit, movementTotal);
    if (input.stop) running = false;
    if (input.recentre) recentrePointer();
    // With the display off the thread sleeps until a message comes (the
    // display's return among them); the first frame after is given the
    // scene's longest slice of time, not the whole pause.
    if (saver.displayOff) {
      if (running) MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
      continue;
    }
    makeFrame(takeFrameTime());
  }
}

void shutDown(SaverApp& app) {
  if (settings.EnableMusic) {
    saver.musicPlayer.stop();
    saver.musicPlayer.free();
  }
  if (!settings.DefGamma) restoreDeviceGamma();
  endScene();
  restoreDisplayMode();
  deleteGlContext();
  ReleaseDC(mainWindow, saver.deviceContext);
  ShowCursor(TRUE);
  for (std::uint32_t i = 0; i < app.monitors.count; ++i)
    if (app.monitors.rows[i].monitor && app.monitors.rows[i].window)
      CloseWindow(static_cast<HWND>(app.monitors.rows[i].window));
  unregisterClasses(app.instance);
  saver.music.close();
  saver.app = nullptr;
  setHost(nullptr);
}

}  // namespace

LRESULT CALLBACK saverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      saver.deviceContext = GetDC(window);
      setPixelFormat(saver.deviceContext);
      saver.glContext = wglCreateContext(saver.deviceContext);
      wglMakeCurrent(saver.deviceContext, saver.glContext);
      setGammaDevice(saver.deviceContext);
      return 0;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) fitViews(window);
      return 0;
    case WM_DISPLAYCHANGE:
      if (saver.app) followDisplays(*saver.app);
      return 0;
    case WM_CLOSE:
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_KEYDOWN:
      noteKeyDown(unsigned(wParam));
      return 0;
    case WM_KEYUP:
      noteKeyUp(unsigned(wParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      noteButtonDown();
      return 0;
    case WM_MOUSEMOVE: {
      POINT pointer = {LONG(short(LOWORD(lParam))), LONG(short(HIWORD(lParam)))};
      ClientToScreen(window, &pointer);
      notePointer(pointer.x, pointer.y, saver.home.x, saver.home.y);
      return 0;
    }
    case WM_SYSCOMMAND:
      // The display may power down; no other system command (another saver,
      // a move, a close) gets through.
      if ((wParam & 0xFFF0) == SC_MONITORPOWER)
        return DefWindowProcA(window, message, wParam, lParam);
      return 0;
    case WM_POWERBROADCAST:
      if (wParam == PBT_POWERSETTINGCHANGE && lParam) {
        noteDisplayState(*reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam));
        return TRUE;
      }
      return DefWindowProcA(window, message, wParam, lParam);
    case WM_LOADING_STEP:
      saver.loadingProgress += saver.loadingProgress < 100 ? 3 : 1;
      drawLoadingStep();
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

int runSaver(SaverApp& app) {
  currentWorld = nullptr;
  pointerOffsetX = pointerOffsetY = 0.0f;
  setHost(&saver);
  saver.app = &app;
  registerClasses(app.instance);
  setDisplayMode();
  if (!createWindows(app) || !mainWindow) return abandonStart(app);

  loadLoadingImages();
  clearInput();
  for (std::uint32_t i = 0; i < app.monitors.count; ++i)
    if (app.monitors.rows[i].window)
      ShowWindow(static_cast<HWND>(app.monitors.rows[i].window), app.showCommand);
  SetFocus(mainWindow);
  loadScene();
  if (settings.EnableMusic) startMusic();
  startFlight(nullptr);
  recentrePointer();

  saver.displayOff = false;
  const HPOWERNOTIFY displayState = RegisterPowerSettingNotification(
      mainWindow, &GUID_CONSOLE_DISPLAY_STATE, DEVICE_NOTIFY_WINDOW_HANDLE);
  runLoop();
  if (displayState) UnregisterPowerSettingNotification(displayState);
  shutDown(app);
  return 0;
}
