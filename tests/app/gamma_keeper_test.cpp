#include "app/gamma_keeper.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using Ramp = std::vector<std::uint16_t>;

Ramp filled(std::uint16_t value) { return Ramp(768, value); }

class FakeGamma : public GammaDevice {
 public:
  Ramp current = filled(1234);
  bool readable = true;
  bool writable = true;
  int writes = 0;

  bool readRamp(std::uint16_t* ramp) override {
    if (!readable) return false;
    std::copy(current.begin(), current.end(), ramp);
    return true;
  }
  bool writeRamp(const std::uint16_t* ramp) override {
    ++writes;
    if (!writable) return false;
    current.assign(ramp, ramp + 768);
    return true;
  }
};

TEST(GammaKeeper, GivesBackTheRampFromBeforeTheFirstChange) {
  FakeGamma device;
  GammaKeeper keeper;
  keeper.attach(&device);
  const Ramp first = filled(7), second = filled(9);
  EXPECT_TRUE(keeper.apply(first.data()));
  EXPECT_TRUE(keeper.apply(second.data()));
  EXPECT_EQ(device.current, second);
  EXPECT_TRUE(keeper.restore());
  EXPECT_EQ(device.current, filled(1234));
}

TEST(GammaKeeper, NothingChangedOrUnreadableMeansNothingToRestore) {
  FakeGamma device;
  GammaKeeper keeper;
  keeper.attach(&device);
  EXPECT_FALSE(keeper.restore());
  EXPECT_EQ(device.writes, 0);

  // The first read failed: a later read would only see our own ramp.
  device.readable = false;
  const Ramp ours = filled(5);
  keeper.apply(ours.data());
  device.readable = true;
  keeper.apply(ours.data());
  EXPECT_FALSE(keeper.restore());
  EXPECT_EQ(device.current, ours);
}

TEST(GammaKeeper, ARejectedRampIsReportedAndAttachingForgetsTheKeptOne) {
  FakeGamma device;
  device.writable = false;
  GammaKeeper keeper;
  const Ramp ramp = filled(3);
  EXPECT_FALSE(keeper.apply(ramp.data()));  // no device yet
  keeper.attach(&device);
  EXPECT_FALSE(keeper.apply(ramp.data()));
  EXPECT_EQ(device.current, filled(1234));

  device.writable = true;
  keeper.attach(&device);
  EXPECT_FALSE(keeper.restore());
  keeper.attach(nullptr);
  EXPECT_FALSE(keeper.apply(ramp.data()));
}

}  // namespace
