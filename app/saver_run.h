#pragma once
// saver_run.h -- the Windows saver's run: windows on every display, loading, frame loop, end

#include <windows.h>

class SaverApp;

// WM_USER + 2: sent (synchronously) to the main window for every texture
// and object loaded, so the loading screen is redrawn as loading goes on.
constexpr UINT WM_LOADING_STEP = WM_USER + 2;

extern HWND mainWindow;

// The full-screen saver: windows on every active display, the scene loaded
// behind a loading screen, music, then frames until a key, a click or (with
// MouseExit) pointer movement; everything changed is undone at the end.
int runSaver(SaverApp& app);

LRESULT CALLBACK saverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
