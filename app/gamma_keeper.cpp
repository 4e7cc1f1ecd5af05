// gamma_keeper.cpp -- a display's gamma ramp set, and the user's own given back at the end
#include "app/gamma_keeper.h"

void GammaKeeper::attach(GammaDevice* device) {
  device_ = device;
  kept_ = false;
  changed_ = false;
}

bool GammaKeeper::apply(const std::uint16_t* ramp) {
  if (!device_ || !ramp) return false;
  if (!changed_) {
    kept_ = device_->readRamp(saved_);
    changed_ = true;
  }
  return device_->writeRamp(ramp);
}

bool GammaKeeper::restore() {
  if (!device_ || !kept_) return false;
  return device_->writeRamp(saved_);
}
