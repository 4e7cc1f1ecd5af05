#pragma once

// The camera's time scale, set from the Speed setting before the first frame.
extern float speedFactor;

// One frame of the saver, for every host: advances the camera by the scaled
// frame time, updates every active object with the real frame time (first
// pass, world objects, post pass) and draws the frame. The host measures the
// time before and swaps the buffers after.
void runFrame(double frameSeconds);
