#pragma once
// session.h -- the scene run every host drives: start-up, one frame, end

#include <cstdint>
#include <vector>

#include "gl/gl_state.h"

// A host installs itself (host/host.h), then calls, in this order:
//   reshapeScene(w, h)    the drawable's size, first once the GL context exists, then
//                         whenever it changes; or reshapeViews(rects) for a drawable
//                         over several monitors, a view on each
//   loadLoadingImages()   the two loading-screen images
//   loadScene()           GL state, what the driver offers, cleared buffers, then every
//                         texture, the glyph font, the meshes, environments and worlds (a
//                         loading step after each texture and object; a host may cancel
//                         between them)
//   startFlight(seed)     the stopwatches, the random seed, the camera's speed factor,
//                         the world to show and the first camera keys
//   makeFrame(takeFrameTime())   once a frame: update, draw, swap
//   endScene()            frees what the scene owns
// reloadScene() loads the scene again, as the data is now, while a flight runs.
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

// The time a frame hands the scene: its own, but never more than two
// seconds, so that a pause (sleep, a dark display, a stalled machine) moves
// the flight on by one ordinary slow frame instead of throwing it away.
double sceneSeconds(double frameSeconds);

// Advances the camera by the scaled scene time of the frame, updates every
// active object with the unscaled one (first pass, world objects, post
// pass), draws the frame and swaps the buffers.
void makeFrame(double frameSeconds);

// The drawable's new size in pixels, one view filling it.
void reshapeScene(std::uint32_t width, std::uint32_t height);

// One view a rectangle of the drawable, the first on the primary monitor.
// Views that stay keep their flights; a view that joins a running flight
// starts its own; an empty list changes nothing.
void reshapeViews(const std::vector<ViewRect>& rects);

// Deletes the worlds, environments, their objects, the texture entries and
// their coverage grids, and empties every list that held them; deletes the
// textures and display lists loading made (the GL context is still current).
void endScene();

// Loads the scene again from the data as it is now (an author's edit)
// while the flight goes on: ends the scene, loads the loading images and
// the scene again and chooses the world to show, keeping the camera's
// flight, the random sequence and the frame time as they were. Loading
// steps draw nothing meanwhile: the last frame stays on screen.
void reloadScene();
