#pragma once
// command_line.h -- the switches the screensaver host starts us with: /c, /p, /s, /t

#include <cstdint>

// How the screensaver host asked us to run.
enum class RunMode : std::int32_t {
  Configure = 0,  // no switch, or /c [window]
  Preview = 1,    // /p window
  Saver = 2,      // /s or any other letter
  Test = 3,       // /t, runs exactly as Saver
};

// Reads the whole command line, program path first. parentWindow receives
// the number that follows /c or /p (a window handle), 0 when there is none.
RunMode parseCommandLine(const char* text, std::uintptr_t& parentWindow);
