// saver_input.cpp -- keys, buttons and pointer movement noted by the saver window, and what a frame makes of them
#include "app/saver_input.h"

#include <cstring>

std::uint8_t keyState[256];
float pointerOffsetX = 0.0f;
float pointerOffsetY = 0.0f;
Movement movementTotal;

void clearInput() { std::memset(keyState, 0, sizeof keyState); }

void noteKeyDown(unsigned virtualKey) {
  keyState[0] = 1;
  keyState[virtualKey & 0xFF] = 1;
}

// Entry 0 is the pressed marker, which a release never clears.
void noteKeyUp(unsigned virtualKey) {
  if (virtualKey & 0xFF) keyState[virtualKey & 0xFF] = 0;
}

void noteButtonDown() { keyState[0] = 1; }

void notePointer(int x, int y, int centreX, int centreY) {
  pointerOffsetX = float(x - centreX) * 0.3f;
  pointerOffsetY = float(y - centreY) * 0.3f;
}

FrameInput takeFrameInput(bool mouseExit, Movement& movement) {
  FrameInput input;
  if (keyState[0]) input.stop = true;
  if (pointerOffsetX != 0.0f) {
    movement.x += pointerOffsetX;
    pointerOffsetX = 0.0f;
    input.recentre = true;
  }
  if (pointerOffsetY != 0.0f) {
    movement.y += pointerOffsetY;
    pointerOffsetY = 0.0f;
    input.recentre = true;
  }
  const float exitDistance = 7.0f;
  if (mouseExit && movement.x * movement.x + movement.y * movement.y > exitDistance * exitDistance)
    input.stop = true;
  return input;
}
