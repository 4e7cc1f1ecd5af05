#pragma once
// render_options.h -- the command line of orbivane-render

#include <cstdint>
#include <string>

#include "host/scene_options.h"

// No clock and no music unless asked for; the flight's options are shared
// with the Linux program.
struct RenderOptions : SceneOptions {
  RenderOptions() {
    clock = false;
    music = false;
  }

  bool cameraOnly = false;     // --camera: print the flight, no OpenGL
  bool dtGiven = false;
  double dt = 0.0;             // fixed frame time in seconds
  int frames = 300;
  int pauseFrame = -1;         // --pause: this frame's time is pauseSeconds
  double pauseSeconds = 0.0;

  // The time frame i is given: the pause's, the fixed one, else `measured`.
  double frameSeconds(int i, double measured) const;

  // The scene run.
  std::string dataDir = ".";   // holds data.sdd
  std::uint32_t width = 1024;
  std::uint32_t height = 768;
  std::string shot;            // PNG of the last frame
  std::string shotsDir;        // PNG of every `every`-th frame
  int every = 1;
  bool bench = false;
  bool wholeQuads = false;     // draw every textured quad whole, dark cells too
  bool depthReads = false;     // test flares by reading depth, not by occlusion queries
};

// Parses argv; false with a message in *error for anything unknown or malformed.
bool parseRenderOptions(int argc, char** argv, RenderOptions& options, std::string* error);

const char* renderUsage();
