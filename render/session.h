#pragma once
// session.h -- the scene run every host drives: start-up, one frame, end

#include <cstdint>

// A host installs itself (host/host.h), then calls, in this order:
//   reshapeScene(w, h)    the drawable's size, first once the GL context exists, then
//                         whenever it changes
//   loadLoadingImages()   the two loading-screen images
//   loadScene()           GL state, what the driver offers, cleared buffers, then every
//                         texture, the glyph font, the meshes, environments and worlds (a
//                         loading step after each texture and object; a host may cancel
//                         between them)
//   startFlight(seed)     the stopwatches, the random seed, the camera's speed factor,
//                         the world to show and the first camera keys
//   makeFrame(takeFrameTime())   once a frame: update, draw, swap
//   endScene()            frees what the scene owns
// A host puts its own steps between these (showing windows, starting music);
// startScene is the three start-up calls for a host that has none.

// The camera's time scale, from the Speed setting.
extern float speedFactor;

void loadLoadingImages();
void loadScene();

// A loading step's picture: the loading screen, drawn, finished and swapped.
void drawLoadingStep();

// A null seed takes the frame stopwatch's start count, as the saver does.
void startFlight(const std::uint32_t* seed);

// loadLoadingImages, loadScene and startFlight(seed).
void startScene(const std::uint32_t* seed);

// The real seconds since the previous frame (or since startFlight); restarts
// the frame stopwatch.
double takeFrameTime();

// Advances the camera by the scaled frame time, updates every active object
// with the real frame time (first pass, world objects, post pass), draws
// the frame and swaps the buffers.
void makeFrame(double frameSeconds);

// The drawable's new size in pixels: the viewport and every size the scene
// reads (overlays, flare projection).
void reshapeScene(std::uint32_t width, std::uint32_t height);

// Deletes the worlds, environments, their objects, the texture entries and
// their coverage grids, and empties every list that held them.
void endScene();
