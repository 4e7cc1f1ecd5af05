#include <gtest/gtest.h>

#include "math/random.h"

TEST(Random, ReproducesTheWindowsRuntimeSequence) {
  // srand(1) then rand() on the Windows C runtime gives 41, 18467, 6334, ...
  seedRandom(1);
  EXPECT_EQ(randomInt(), 41);
  EXPECT_EQ(randomInt(), 18467);
  EXPECT_EQ(randomInt(), 6334);
  EXPECT_EQ(randomInt(), 26500);
}

TEST(Random, StaysWithinFifteenBitsAndReachesBothUnitEnds) {
  seedRandom(12345);
  int lowest = kRandomMax, highest = 0;
  for (int i = 0; i < 200000; ++i) {
    const int r = randomInt();
    ASSERT_GE(r, 0);
    ASSERT_LE(r, kRandomMax);
    lowest = std::min(lowest, r);
    highest = std::max(highest, r);
  }
  EXPECT_EQ(lowest, 0);
  EXPECT_EQ(highest, kRandomMax);
  EXPECT_FLOAT_EQ(float(kRandomMax) / float(kRandomMax), 1.0f);
}
