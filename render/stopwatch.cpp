// stopwatch.cpp -- high-resolution time in seconds: the frame and FPS stopwatches
#include "render/stopwatch.h"

#include <chrono>

Stopwatch frameStopwatch;
Stopwatch fpsStopwatch;

namespace {

std::int64_t counterNow() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

void Stopwatch::start() { startCount = counterNow(); }

double Stopwatch::elapsed() {
  lastElapsed = double(counterNow() - startCount) * 1e-9;
  return lastElapsed;
}
