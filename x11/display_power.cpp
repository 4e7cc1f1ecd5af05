// display_power.cpp -- whether the X server has the monitor powered down (DPMS)
#include "x11/display_power.h"

#include <X11/extensions/dpms.h>

namespace {

constexpr std::chrono::seconds kLookEvery(1);

}  // namespace

DisplayPower::DisplayPower(Display* display) : display_(display), nextLook_(Clock::now()) {
  int eventBase = 0, errorBase = 0;
  capable_ = display_ && DPMSQueryExtension(display_, &eventBase, &errorBase) &&
             DPMSCapable(display_);
}

bool DisplayPower::off() {
  if (!capable_) return false;
  const Clock::time_point now = Clock::now();
  if (now < nextLook_) return off_;
  nextLook_ = now + kLookEvery;
  CARD16 level = DPMSModeOn;
  BOOL enabled = False;
  off_ = DPMSInfo(display_, &level, &enabled) && enabled && level != DPMSModeOn;
  return off_;
}
