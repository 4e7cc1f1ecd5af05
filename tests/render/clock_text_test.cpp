#include <gtest/gtest.h>

#include "render/hud.h"

namespace {

TEST(ClockText, TwentyFourHourForm) {
  EXPECT_EQ(clockText({14, 5, 9}, false), "14:05:09");
  EXPECT_EQ(clockText({0, 30, 0}, false), "00:30:00");
  EXPECT_EQ(clockText({12, 0, 0}, false), "12:00:00");
  EXPECT_EQ(clockText({0, 0, 0}, false), "00:00:00");
  EXPECT_EQ(clockText({23, 59, 59}, false), "23:59:59");
}

TEST(ClockText, TwelveHourFormWithMarkers) {
  EXPECT_EQ(clockText({14, 5, 9}, true), "02:05:09<");
  EXPECT_EQ(clockText({0, 30, 0}, true), "12:30:00;");
  EXPECT_EQ(clockText({12, 0, 0}, true), "12:00:00<");
  EXPECT_EQ(clockText({0, 0, 0}, true), "12:00:00;");
  EXPECT_EQ(clockText({11, 59, 59}, true), "11:59:59;");
  EXPECT_EQ(clockText({13, 0, 10}, true), "01:00:10<");
}

}  // namespace
