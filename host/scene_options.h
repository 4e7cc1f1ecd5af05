#pragma once
// scene_options.h -- what a command line says about the flight, and the settings it fills

#include <cstdint>

// The options x11/ and tools/render/ share; each host's option struct
// derives from this one and sets its own defaults.
struct SceneOptions {
  std::uint32_t speed = 50;  // 0-100
  bool clock = true;
  bool twelveHour = false;
  bool fps = false;
  bool music = true;
  std::uint32_t volume = 100;  // 1-100
  bool vsync = false;
  bool mouseExit = false;
  bool seedGiven = false;
  std::uint32_t seed = 0;

  // The seed for startFlight: null when none was given.
  const std::uint32_t* seedOrNull() const { return seedGiven ? &seed : nullptr; }
};

// Puts the options into the global settings; the display's gamma is kept.
void applySceneOptions(const SceneOptions& options);
