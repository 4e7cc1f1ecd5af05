// preview_test.cpp -- the /p picture fills a preview area of any size
#include "app/preview.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// The preview window's own pixels, read back after it painted.
std::vector<std::uint32_t> pixelsOf(HWND window, int width, int height) {
  BITMAPINFO format = {};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP copy = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC windowDc = GetDC(window);
  HDC copyDc = CreateCompatibleDC(windowDc);
  HGDIOBJ previous = SelectObject(copyDc, copy);
  BitBlt(copyDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(first, first + std::size_t(width) * height);
  SelectObject(copyDc, previous);
  DeleteDC(copyDc);
  ReleaseDC(window, windowDc);
  DeleteObject(copy);
  return pixels;
}

// Host preview areas larger than the 155 x 115 picture, of other
// proportions too: beyond the picture's own size the window shows the
// picture, not the black of the window class.
TEST(PreviewWindow, ThePictureFillsAnAreaOfAnySize) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = previewWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = "PreviewUnderTest";
  RegisterClassA(&windowClass);

  // One host window for every size: Wine takes seconds to take one away.
  HWND host = CreateWindowExA(WS_EX_TOOLWINDOW, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1,
                              nullptr, nullptr, windowClass.hInstance, nullptr);
  for (const SIZE size : {SIZE{400, 300}, SIZE{640, 200}}) {
    SetWindowPos(host, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    HWND preview = CreateWindowExA(0, "PreviewUnderTest", "", WS_CHILD | WS_VISIBLE, 0, 0,
                                   size.cx, size.cy, host, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(preview, nullptr);
    UpdateWindow(preview);
    const std::vector<std::uint32_t> pixels = pixelsOf(preview, size.cx, size.cy);
    int black = 0, beyond = 0;
    for (int y = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x)
        if (x >= 160 || y >= 120) {
          ++beyond;
          black += (pixels[std::size_t(y) * size.cx + x] & 0xFFFFFF) == 0;
        }
    // The scene has black sky between its stars, a tenth of its pixels.
    EXPECT_LT(black, beyond / 2) << size.cx << " x " << size.cy;
    DestroyWindow(preview);
    // Its end posts the quit message the preview's loop waits for.
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  }
  DestroyWindow(host);
  UnregisterClassA("PreviewUnderTest", GetModuleHandleA(nullptr));
}

}  // namespace
