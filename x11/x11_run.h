#pragma once
// x11_run.h -- the Linux program's run: window, loading, frame loop, end

#include <string>

#include "x11/options.h"

// Runs the flight from the data in `dataDir` until a signal, the window's
// end or (in its own window) the user's input; returns the exit status.
int runX11(const X11Options& options, const std::string& dataDir);
