// saver_run.cpp -- the Windows saver's run: windows on every display, loading, frame loop, end
#include "app/saver_run.h"

#include <windows.h>

#include <cstdint>

#include "app/music_player.h"
#include "app/saver_app.h"
#include "app/saver_input.h"
#include "app/win_display.h"
#include "data/data_file.h"
#include "gl/gl.h"
#include "host/host.h"
#include "host/settings.h"
#include "render/frame.h"
#include "render/session.h"

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
  void secondPassed() override { movementTotal = 0.0f; }
  // Some drivers answer 1, 2, 3 or -1 instead of null for a missing function.
  void* glProcAddress(const char* name) override {
    const PROC proc = wglGetProcAddress(name);
    const auto value = reinterpret_cast<std::intptr_t>(proc);
    if (value >= -1 && value <= 3) return nullptr;
    return reinterpret_cast<void*>(proc);
  }
};

SaverHost saver;

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

void deleteGlContext() {
  if (saver.glContext) {
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(saver.glContext);
  }
  saver.glContext = nullptr;
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
  saver.deviceContext = nullptr;
  restoreDisplayMode();
  ShowCursor(TRUE);
  unregisterClasses(app.instance);
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
      if (wParam != SIZE_MINIMIZED) reshapeScene(LOWORD(lParam), HIWORD(lParam));
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

  runLoop();
  shutDown(app);
  return 0;
}
