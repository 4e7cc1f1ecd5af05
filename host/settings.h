#pragma once
// settings.h -- the user's preferences, one global block that every host fills

#include <cstdint>

// Read by every mode: app/ loads it from its stored settings, the other
// hosts fill it from their options. Width, Height and Depth are the display
// mode asked for; what is really drawn into is the views (render/views.h).
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
  bool AllMonitors = true;  // the flight on every monitor, not black covers
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
