#pragma once
// display_power.h -- whether the X server has the monitor powered down (DPMS)

#include <X11/Xlib.h>

#include <chrono>

class DisplayPower {
 public:
  explicit DisplayPower(Display* display);

  // True while DPMS holds the monitor in standby, suspend or off. A server
  // without the extension, or without DPMS for its monitor, is always on.
  // The server is asked at most once a second; in between, the last answer.
  bool off();

 private:
  using Clock = std::chrono::steady_clock;

  Display* display_;
  bool capable_ = false;
  bool off_ = false;
  Clock::time_point nextLook_;
};
