#pragma once
// saver_input.h -- keys, buttons and pointer movement noted by the saver window, and what a frame makes of them

#include <cstdint>

// Input noted by the saver window between frames and acted on by the loop.
// keyState[0] marks that some key or mouse button was pressed.
extern std::uint8_t keyState[256];
extern float pointerOffsetX;  // last pointer position from the client centre, x 0.3
extern float pointerOffsetY;
// Net pointer movement in x and y since the last second passed (the
// MouseExit rule), in the offsets' units.
struct Movement {
  float x = 0.0f;
  float y = 0.0f;
};
extern Movement movementTotal;

void clearInput();
void noteKeyDown(unsigned virtualKey);
void noteKeyUp(unsigned virtualKey);
void noteButtonDown();
// The pointer and the client centre, both in screen coordinates.
void notePointer(int x, int y, int centreX, int centreY);

struct FrameInput {
  bool stop = false;      // end the run after this frame
  bool recentre = false;  // move the pointer back to the client centre
};

// What a frame makes of the input: a key or button ends the run; pointer
// offsets are added to `movement` and cleared, and with mouseExit a net
// movement of more than 7 (about 23 pixels) in any direction ends the run.
FrameInput takeFrameInput(bool mouseExit, Movement& movement);
