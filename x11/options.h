#pragma once
// options.h -- the command line of the Linux program

#include <cstdint>
#include <string>

#include "host/scene_options.h"

// Where the picture goes: a window given by id, the host's window (or the
// root window), or a window of the program's own.
enum class Target { kOwnWindow, kRoot, kWindowId };

struct X11Options : SceneOptions {
  Target target = Target::kOwnWindow;
  unsigned long windowId = 0;       // --window-id
  bool windowed = false;            // --windowed: an ordinary window instead of full screen
  bool primaryOnly = false;         // --primary-only: full screen on the primary monitor alone
  int windowWidth = 1280;           // its size, when given
  int windowHeight = 720;
  std::string dataDir;              // --data; empty: searched for
  bool watch = false;               // --watch: load the scene again when its files change
  int maxFps = 60;                  // 0: no cap
  bool help = false;
  bool version = false;
  // Instead of a run: put Orbivane on the user's XScreenSaver list, and with
  // `useInXScreenSaver` make it the one effect shown.
  bool addToXScreenSaver = false;
  bool useInXScreenSaver = false;

  // Under a screensaver host, input and sound are the host's business.
  bool underHost() const { return target != Target::kOwnWindow; }
};

// An X window id: decimal, or hexadecimal after "0x"; nonzero, at most 32 bits.
bool parseWindowId(const std::string& text, unsigned long& id);

// Parses argv (one or two leading dashes); false with a message in *error
// for anything unknown, missing or out of range.
bool parseX11Options(int argc, char** argv, X11Options& options, std::string* error);

// The usage text; `dataSearch` lists where the data is looked for.
std::string x11Usage(const std::string& dataSearch);
