#include <gtest/gtest.h>

#include "gl/gl_state.h"

namespace {

TEST(GammaRamp, ExponentFollowsTheGammaSetting) {
  EXPECT_FLOAT_EQ(gammaExponent(0), 1.5f);
  EXPECT_FLOAT_EQ(gammaExponent(50), 1.0f);
  EXPECT_FLOAT_EQ(gammaExponent(100), 0.5f);
  EXPECT_FLOAT_EQ(gammaExponent(75), 0.75f);
}

TEST(GammaRamp, LinearRampIs256PerStep) {
  const GammaRamp ramp = gammaRampTable(1, 1, 1);
  for (int channel = 0; channel < 3; ++channel) {
    EXPECT_EQ(ramp[std::size_t(channel * 256)], 0);
    EXPECT_EQ(ramp[std::size_t(channel * 256 + 1)], 256);
    EXPECT_EQ(ramp[std::size_t(channel * 256 + 255)], 65280);
  }
}

TEST(GammaRamp, EntriesAreTruncatedPerChannelInOrder) {
  const GammaRamp ramp = gammaRampTable(0.5f, 1.5f, 1.0f);
  // red: 65536 * sqrt(64/256) = 32768 exactly; sqrt(100/256) * 65536 = 40960
  EXPECT_EQ(ramp[64], 32768);
  EXPECT_EQ(ramp[100], 40960);
  EXPECT_EQ(ramp[3], 7094);  // 65536 * sqrt(3/256) = 7094.2
  // green: 65536 * 0.5^1.5 = 23170.47 and 65536 * (255/256)^1.5 = 65152.2
  EXPECT_EQ(ramp[256 + 128], 23170);
  EXPECT_EQ(ramp[256 + 255], 65152);
  // blue: linear
  EXPECT_EQ(ramp[512 + 128], 32768);
}

TEST(GammaRamp, ExponentsBeyondTheSettingRangeStayInsideAnEntry) {
  // A stored Gamma above 150 gives a negative exponent: entries would pass
  // 65535 and must not wrap round to dark values.
  const GammaRamp ramp = gammaRampTable(gammaExponent(200), 1, 1);
  for (int i = 0; i < 256; ++i) EXPECT_EQ(ramp[std::size_t(i)], 65535) << i;
}

}  // namespace
