#pragma once
// frame.h -- one frame: the active lists, the view, every object drawn, the overlays

#include <cstdint>

class CameraDirector;
class World;

// The world being shown; null until the saver run chooses one.
extern World* currentWorld;

// Frames drawn since the last FPS update, and the count shown.
extern std::uint32_t framesThisSecond;
extern std::uint32_t shownFps;

// Replaces the current matrix (the modelview) with the camera's view.
void lookThroughCamera(const CameraDirector& camera);

// Draws one complete picture of the current world with its overlays; the
// host swaps the buffers afterwards.
void renderFrame();
