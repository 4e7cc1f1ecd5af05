#include "app/mode_list.h"

#include <gtest/gtest.h>

namespace {

using Entries = std::vector<std::string>;

TEST(ModeList, ModesBelowTheFloorAreNotOffered) {
  const Entries entries = modeListEntries(
      {{640, 480, 8}, {800, 600, 16}, {800, 600, 32}, {639, 480, 32}, {640, 479, 32}});
  EXPECT_EQ(entries, (Entries{"800 x 600 16 bits", "800 x 600 32 bits"}));
}

TEST(ModeList, RefreshRatesOfOneModeGiveOneEntry) {
  EXPECT_EQ(modeListEntries({{1024, 768, 32}, {1024, 768, 32}, {1024, 768, 32}}),
            (Entries{"1024 x 768 32 bits"}));
  // Only neighbours merge; a mode seen again later is listed again, and a
  // filtered mode in between does not separate two equal ones.
  EXPECT_EQ(modeListEntries({{800, 600, 32}, {1024, 768, 32}, {800, 600, 32}}),
            (Entries{"800 x 600 32 bits", "1024 x 768 32 bits", "800 x 600 32 bits"}));
  EXPECT_EQ(modeListEntries({{800, 600, 32}, {320, 200, 8}, {800, 600, 32}}),
            (Entries{"800 x 600 32 bits"}));
  EXPECT_TRUE(modeListEntries({}).empty());
}

TEST(ModeList, EntriesReadBack) {
  DisplayMode mode;
  ASSERT_TRUE(parseModeEntry(modeEntryText({1920, 1080, 32}).c_str(), mode));
  EXPECT_EQ(mode.width, 1920u);
  EXPECT_EQ(mode.height, 1080u);
  EXPECT_EQ(mode.bitsPerPixel, 32u);

  const DisplayMode before = mode;
  for (const char* bad : {"", "800 x", "800 x 600", "wide x 600 32 bits", "-800 x 600 32 bits"}) {
    EXPECT_FALSE(parseModeEntry(bad, mode)) << bad;
    EXPECT_EQ(mode.width, before.width);
  }
  EXPECT_FALSE(parseModeEntry(nullptr, mode));
}

}  // namespace
