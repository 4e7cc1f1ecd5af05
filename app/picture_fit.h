#pragma once
// picture_fit.h -- a picture drawn over a whole area at any size, its proportions kept

// Scaled smoothly; what overflows the area is cut off evenly on both sides.

#include <windows.h>

// Draws `picture` over the width x height area at (0, 0) of `target`.
void drawPictureCovering(HDC target, int width, int height, HBITMAP picture);

// A new 24-bit bitmap of width x height holding `picture` drawn covering
// it; null when either is empty or it cannot be made. The caller deletes it.
HBITMAP pictureCovering(HBITMAP picture, int width, int height);
