#pragma once
// gamma_keeper.h -- a display's gamma ramp set, and the user's own given back at the end

#include <cstdint>

// A display's gamma ramp: 3 x 256 entries, red, green, blue.
class GammaDevice {
 public:
  virtual ~GammaDevice() = default;
  virtual bool readRamp(std::uint16_t* ramp) = 0;
  virtual bool writeRamp(const std::uint16_t* ramp) = 0;
};

// Sets ramps on a device and keeps the one it had before the first change,
// so the end of a run gives the user's own ramp back instead of a linear one.
class GammaKeeper {
 public:
  // Forgets any kept ramp; null: no device, every call fails.
  void attach(GammaDevice* device);
  // True when the device took the ramp.
  bool apply(const std::uint16_t* ramp);
  // Writes the kept ramp back; false when nothing was kept (no change was
  // made, or the device could not be read).
  bool restore();

 private:
  GammaDevice* device_ = nullptr;
  bool kept_ = false;
  bool changed_ = false;
  std::uint16_t saved_[768] = {};
};
