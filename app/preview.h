#pragma once
// preview.h -- the picture in the screensaver host's preview area

#include <windows.h>

class SaverApp;

// The picture in the screensaver host's preview area: a child window of
// the parent exactly over its client area. Returns 1 once the host closes
// it, 0 when the window cannot be made (there is no parent).
int runPreview(SaverApp& app);

LRESULT CALLBACK previewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
