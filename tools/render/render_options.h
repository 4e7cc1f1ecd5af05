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
};

// Parses argv; false with a message in *error for anything unknown or malformed.
bool parseRenderOptions(int argc, char** argv, RenderOptions& options, std::string* error);

const char* renderUsage();
