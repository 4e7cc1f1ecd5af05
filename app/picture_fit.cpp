// picture_fit.cpp -- a picture drawn over a whole area at any size, its proportions kept
#include "app/picture_fit.h"

void drawPictureCovering(HDC target, int width, int height, HBITMAP picture) {
  BITMAP size = {};
  if (!picture || width <= 0 || height <= 0 || !GetObjectA(picture, sizeof size, &size) ||
      size.bmWidth <= 0 || size.bmHeight <= 0)
    return;
  // The largest part of the picture with the area's proportions, centred.
  int partWidth = size.bmWidth, partHeight = size.bmHeight;
  if (LONGLONG(size.bmWidth) * height > LONGLONG(size.bmHeight) * width)
    partWidth = int(LONGLONG(size.bmHeight) * width / height);
  else
    partHeight = int(LONGLONG(size.bmWidth) * height / width);
  if (partWidth < 1) partWidth = 1;
  if (partHeight < 1) partHeight = 1;

  HDC source = CreateCompatibleDC(target);
  HGDIOBJ previous = SelectObject(source, picture);
  SetStretchBltMode(target, HALFTONE);
  SetBrushOrgEx(target, 0, 0, nullptr);
  StretchBlt(target, 0, 0, width, height, source, (size.bmWidth - partWidth) / 2,
             (size.bmHeight - partHeight) / 2, partWidth, partHeight, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
}

HBITMAP pictureCovering(HBITMAP picture, int width, int height) {
  if (!picture || width <= 0 || height <= 0) return nullptr;
  BITMAPINFO format = {};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 24;
  format.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  HBITMAP result = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (!result) return nullptr;
  HDC target = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(target, result);
  drawPictureCovering(target, width, height, picture);
  SelectObject(target, previous);
  DeleteDC(target);
  return result;
}
