// stop_request.cpp -- the request to end the run, set by signals and by X errors
#include "x11/stop_request.h"

#include <initializer_list>

volatile std::sig_atomic_t stopRequested = 0;

namespace {

void requestStop(int) { stopRequested = 1; }

}  // namespace

void installStopSignals() {
  struct sigaction action = {};
  action.sa_handler = requestStop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no restart: a sleeping loop wakes up
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}
