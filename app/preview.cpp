// preview.cpp -- the picture in the screensaver host's preview area
#include "app/preview.h"

#include "app/picture_fit.h"
#include "app/saver_app.h"
#include "resources/resource_ids.h"

namespace {

HBITMAP previewPicture = nullptr;

// The picture fills the window whatever size the host gives it.
void paintPicture(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT area = {};
  GetClientRect(window, &area);
  drawPictureCovering(dc, area.right, area.bottom, previewPicture);
  EndPaint(window, &paint);
}

}  // namespace

LRESULT CALLBACK previewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      previewPicture = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_PREVIEW_PICTURE));
      return 0;
    case WM_PAINT:
      paintPicture(window);
      return 0;
    case WM_CLOSE:
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

int runPreview(SaverApp& app) {
  WNDCLASSA windowClass = {};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = previewWindowProc;
  windowClass.hInstance = app.instance;
  windowClass.hIcon = LoadIconA(app.instance, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = "ZetoPreview";
  RegisterClassA(&windowClass);

  constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE;
  RECT area = {};
  GetClientRect(app.parentWindow, &area);
  AdjustWindowRect(&area, kStyle, FALSE);
  HWND window = CreateWindowExA(0, "ZetoPreview", "ZETOSV", kStyle, area.left, area.top,
                                area.right - area.left, area.bottom - area.top, app.parentWindow,
                                nullptr, app.instance, nullptr);
  if (!window) {
    MessageBoxA(nullptr, "Cannot creat window!", "ERROR", MB_OK);
    return 0;
  }
  ShowWindow(window, app.showCommand);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 1;
}
