#pragma once
// stop_request.h -- the request to end the run, set by signals and by X errors

#include <csignal>

extern volatile std::sig_atomic_t stopRequested;

// SIGTERM, SIGINT and SIGHUP set the request; a sleep or wait they
// interrupt returns early.
void installStopSignals();

// After the run has cleaned up: when a signal ended it, the program ends by
// that same signal, as its sender expects; otherwise returns.
void endByStopSignal();
