// stop_request.cpp -- the request to end the run, set by signals and by X errors
#include "x11/stop_request.h"

#include <initializer_list>

volatile std::sig_atomic_t stopRequested = 0;

namespace {

volatile std::sig_atomic_t stopSignal = 0;  // the signal that asked, if one did

void requestStop(int signal) {
  stopSignal = signal;
  stopRequested = 1;
}

}  // namespace

void installStopSignals() {
  struct sigaction action = {};
  action.sa_handler = requestStop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no restart: a sleeping loop wakes up
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

void endByStopSignal() {
  const int signal = stopSignal;
  if (signal == 0) return;
  struct sigaction action = {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, nullptr);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal);
  sigprocmask(SIG_UNBLOCK, &only, nullptr);
  raise(signal);
}
