#pragma once

#include <cstdint>

// The user's settings, one global block read by every mode. The Windows host
// loads it from the registry; other hosts fill it from their options.
struct Settings {
  bool EnableMusic = true;
  bool ShowClock = true;
  bool ShowFlame = false;  // stored for compatibility, never read
  bool ShowFPS = false;
  bool VSync = false;
  bool UseDesktop = true;
  bool MouseExit = false;
  bool DefGamma = true;
  bool TimeFormat = false;  // true: 12-hour clock
  std::uint32_t Speed = 50;
  std::uint32_t Volume = 100;
  std::uint32_t Gamma = 50;
  std::uint32_t Width = 1024;
  std::uint32_t Height = 768;
  std::uint32_t Depth = 32;
  char Path[255] = {};
};

extern Settings settings;

// The camera's time scale: 0.5 at Speed 0, 2.5 at Speed 100.
float speedFactorFor(std::uint32_t speed);
