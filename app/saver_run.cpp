#include "app/saver_run.h"

#include <windows.h>

#include "app/music_player.h"
#include "app/saver_app.h"
#include "app/saver_input.h"
#include "app/win_display.h"
#include "data/data_file.h"
#include "host/host_hooks.h"
#include "host/settings.h"
#include "render/gl.h"
#include "render/frame.h"
#include "render/session.h"

HWND mainWindow = nullptr;

namespace {

constexpr const char* kMainClass = "MyWindow";
constexpr const char* kCoverClass = "FakeMonitor";
constexpr int kIconId = 111;

HDC windowDeviceContext = nullptr;  // the main window's own (class) device context
HDC frameDeviceContext = nullptr;   // the GL context's, swapped after each frame
HGLRC glContext = nullptr;
std::uint32_t loadingProgress = 0;
DataFile music;
MusicPlayer musicPlayer;

POINT clientCentre(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  POINT centre = {client.right / 2, client.bottom / 2};
  ClientToScreen(window, &centre);
  return centre;
}

void recentrePointer() {
  const POINT centre = clientCentre(mainWindow);
  SetCursorPos(centre.x, centre.y);
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

LocalTime windowsLocalTime() {
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  return {now.wHour, now.wMinute, now.wSecond};
}

void installHostHooks() {
  hostHooks.showMessage = [](const char* text, const char* caption) {
    MessageBoxA(nullptr, text, caption, MB_OK);
  };
  hostHooks.loadingStep = [] {
    if (mainWindow) SendMessageA(mainWindow, WM_LOADING_STEP, 0, 0);
  };
  hostHooks.localTime = windowsLocalTime;
  hostHooks.getProcAddress = [](const char* name) {
    return reinterpret_cast<void*>(wglGetProcAddress(name));
  };
  hostHooks.applyGammaRamp = applyDeviceGammaRamp;
}

void deleteGlContext() {
  if (glContext) {
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(glContext);
  }
  glContext = nullptr;
}

// One window per active display: the main window first, black covers on
// the others. False when a window cannot be made.
bool createWindows(SaverApp& app) {
  for (std::uint32_t i = 0; i < app.monitors.count; ++i) {
    MonitorEntry& row = app.monitors.rows[i];
    if (!row.monitor) continue;
    HWND window;
    if (!mainWindow) {
      window = CreateWindowExA(WS_EX_APPWINDOW | WS_EX_TOPMOST, kMainClass, "Orbivane",
                               WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                               int(settings.Width), int(settings.Height), nullptr, nullptr,
                               app.instance, nullptr);
      mainWindow = window;
    } else {
      const DisplayRect& r = row.desktopRect;
      window = CreateWindowExA(WS_EX_APPWINDOW | WS_EX_TOPMOST, kCoverClass, "Orbivane",
                               WS_POPUP | WS_VISIBLE, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, nullptr, nullptr, app.instance, nullptr);
    }
    row.window = window;
    if (!window) return false;
  }
  return true;
}

// Undoes the start when it cannot go on: no window, or no display to show on.
int abandonStart(SaverApp& app) {
  deleteGlContext();
  for (std::uint32_t i = 0; i < app.monitors.count; ++i) {
    if (app.monitors.rows[i].window) DestroyWindow(static_cast<HWND>(app.monitors.rows[i].window));
    app.monitors.rows[i].window = nullptr;
  }
  mainWindow = nullptr;
  windowDeviceContext = nullptr;
  restoreDisplayMode();
  ShowCursor(TRUE);
  unregisterClasses(app.instance);
  return 0;
}

void startMusic() {
  musicPlayer.init(mainWindow, 44100);
  musicPlayer.start();
  musicPlayer.setVolume(settings.Volume);
  music.open("music.ogg");
  musicPlayer.loadSample(music.data, music.size);
  musicPlayer.playLooped(settings.Volume);
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
    makeFrame(takeFrameTime());
    SwapBuffers(frameDeviceContext);
  }
}

void shutDown(SaverApp& app) {
  if (settings.EnableMusic) {
    musicPlayer.stop();
    musicPlayer.free();
  }
  if (!settings.DefGamma) restoreDeviceGamma();
  endScene();
  restoreDisplayMode();
  deleteGlContext();
  ReleaseDC(mainWindow, windowDeviceContext);
  ShowCursor(TRUE);
  for (std::uint32_t i = 0; i < app.monitors.count; ++i)
    if (app.monitors.rows[i].monitor && app.monitors.rows[i].window)
      CloseWindow(static_cast<HWND>(app.monitors.rows[i].window));
  unregisterClasses(app.instance);
  music.close();
}

}  // namespace

LRESULT CALLBACK saverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      windowDeviceContext = GetDC(window);
      setPixelFormat(windowDeviceContext);
      glContext = wglCreateContext(windowDeviceContext);
      wglMakeCurrent(windowDeviceContext, glContext);
      setGammaDevice(windowDeviceContext);
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
      POINT pointer = {LONG(LOWORD(lParam)), LONG(HIWORD(lParam))};
      ClientToScreen(window, &pointer);
      const POINT centre = clientCentre(window);
      notePointer(pointer.x, pointer.y, centre.x, centre.y);
      return 0;
    }
    case WM_SYSCOMMAND:
      return 0;
    case WM_LOADING_STEP:
      loadingProgress += loadingProgress < 100 ? 3 : 1;
      drawLoadingStep();
      SwapBuffers(wglGetCurrentDC());
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

int runSaver(SaverApp& app) {
  currentWorld = nullptr;
  pointerOffsetX = pointerOffsetY = 0.0f;
  installHostHooks();
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
  frameDeviceContext = wglGetCurrentDC();

  runLoop();
  shutDown(app);
  return 0;
}
