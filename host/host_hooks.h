#pragma once

#include <cstdint>

// host_hooks.h -- what the portable core needs of its host
//
// Each host (the Windows saver in app/, the Linux program in x11/, the
// headless renderer in tools/render, the tests) fills in what it has; a null
// hook falls back to the quiet behaviour of the helper below it. The hosts
// drive the scene through render/session.h.
struct LocalTime {
  int hours;    // 0-23
  int minutes;  // 0-59
  int seconds;  // 0-59
};

struct HostHooks {
  void (*showMessage)(const char* text, const char* caption) = nullptr;
  void (*loadingStep)() = nullptr;              // one texture or object loaded
  bool (*loadingCancelled)() = nullptr;         // true: load nothing more
  LocalTime (*localTime)() = nullptr;           // null: the C library's local time
  void* (*getProcAddress)(const char* name) = nullptr;  // GL extension lookup
  // 3 x 256 entries, red, green, blue; true when the display took it.
  bool (*applyGammaRamp)(const std::uint16_t* ramp) = nullptr;
};

extern HostHooks hostHooks;

void showHostMessage(const char* text, const char* caption);
void sendLoadingStep();
bool loadingCancelled();
LocalTime currentLocalTime();
void* hostProcAddress(const char* name);
bool applyHostGammaRamp(const std::uint16_t* ramp);
