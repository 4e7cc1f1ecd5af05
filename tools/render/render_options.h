#pragma once

#include <cstdint>
#include <string>

// Command-line options of orbivane-render.
struct RenderOptions {
  bool cameraOnly = false;     // --camera: print the flight, no OpenGL
  bool seedGiven = false;
  std::uint32_t seed = 0;
  bool dtGiven = false;
  double dt = 0.0;             // fixed frame time in seconds
  int frames = 300;
  std::uint32_t speed = 50;    // the Speed setting, 0-100

  // The scene run.
  std::string dataDir = ".";   // holds data.sdd
  std::uint32_t width = 1024;
  std::uint32_t height = 768;
  bool showFps = false;
  bool showClock = false;
  bool twelveHour = false;
  std::string shot;            // PNG of the last frame
  std::string shotsDir;        // PNG of every `every`-th frame
  int every = 1;
  bool bench = false;
  bool wholeQuads = false;     // draw every textured quad whole, dark cells too
};

// Parses argv; false with a message in *error for anything unknown or malformed.
bool parseRenderOptions(int argc, char** argv, RenderOptions& options, std::string* error);

const char* renderUsage();
