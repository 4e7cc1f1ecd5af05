#pragma once
// stopwatch.h -- high-resolution time in seconds: the frame and FPS stopwatches

#include <cstdint>

// High-resolution time measurement in seconds.
class Stopwatch {
 public:
  std::int64_t startCount = 0;  // counter value at start(), in nanoseconds
  double lastElapsed = 0.0;

  void start();
  double elapsed();  // seconds since start(), also kept in lastElapsed
};

extern Stopwatch frameStopwatch;  // times frames
extern Stopwatch fpsStopwatch;    // times the frames-per-second window
