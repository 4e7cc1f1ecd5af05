// xscreensaver_list_test.cpp -- Orbivane put on an XScreenSaver programs list, every other byte kept
#include "x11/xscreensaver_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr const char* kEntry = "  GL: \"Orbivane\" orbivane --root \\n";

struct Case {
  std::string before;
  std::string after;
  int index;
};

TEST(XScreenSaverList, AddsOneEntryHoweverTheListIsWritten) {
  const std::string e = kEntry;
  const std::vector<Case> cases = {
      // One line, ending in "\n": it now continues onto ours.
      {"programs: maze --root \\n\n", "programs: maze --root \\n\\\n" + e + "\n", 1},
      // One entry over two lines, without "\n" at its end; the value runs on to a
      // blank line.
      {"programs:\\\n  maze --root\\\n  -  GL: rubik --root\\\n\nmode: random\n",
       "programs:\\\n  maze --root\\\n  -  GL: rubik --root \\n\\\n" + e + "\\\n\nmode: random\n",
       1},
      // Entries on one line and empty ones between: only real entries count.
      {"programs: a \\n\\n b \\n \\n\\\n c\n",
       "programs: a \\n\\n b \\n \\n\\\n c \\n\\\n" + e + "\n", 3},
      // An empty list; a list named otherwise is no programs list.
      {"*programs: maze\nprograms:\n", "*programs: maze\nprograms:\\\n" + e + "\n", 0},
      // No list at all; the last line continues, with no line end after it.
      {"! comment\n# comment\nmode: one\\",
       "! comment\n# comment\nmode: one\\\n\nprograms: " + std::string(kEntry + 2) + "\n", 0},
  };
  for (const Case& c : cases) {
    ProgramListEdit edit;
    ASSERT_TRUE(editProgramList(c.before, "orbivane", false, edit)) << c.before;
    EXPECT_EQ(edit.text, c.after) << c.before;
    EXPECT_EQ(edit.index, c.index) << c.before;
    EXPECT_TRUE(edit.added);
    // A second run finds it and changes nothing.
    ProgramListEdit again;
    ASSERT_TRUE(editProgramList(edit.text, "/elsewhere/orbivane", false, again));
    EXPECT_FALSE(again.added);
    EXPECT_EQ(again.text, edit.text);
    EXPECT_EQ(again.index, c.index);
  }
}

TEST(XScreenSaverList, SelectsTheEntryWhereverItIs) {
  // A disabled entry of the user's own, by path: selected where it stands.
  const std::string before =
      "mode:\t\trandom\nselected:\t-1\nprograms: maze --root \\n\\\n"
      "- GL: \"Mine\" '/opt/my build/orbivane' --root --speed 90 \\n\\\n  rubik --root \\n\n";
  ProgramListEdit edit;
  ASSERT_TRUE(editProgramList(before, "orbivane", true, edit));
  EXPECT_FALSE(edit.added);
  EXPECT_EQ(edit.index, 1);
  EXPECT_EQ(edit.text, "mode:\t\tone\nselected:\t1\n" + before.substr(before.find("programs")));
  // A value continued over lines becomes one line; missing ones are added.
  ASSERT_TRUE(editProgramList("mode:\\\n random\nprograms: a \\n\n", "orbivane", true, edit));
  EXPECT_EQ(edit.text, "mode: one\nprograms: a \\n\\\n" + std::string(kEntry) +
                           "\nselected: 1\n");
}

TEST(XScreenSaverList, CommandForTheShell) {
  EXPECT_EQ(xscreensaverCommand("/usr/libexec/xscreensaver/orbivane"), "orbivane");
  EXPECT_EQ(xscreensaverCommand("/usr/local/libexec/xscreensaver/orbivane"),
            "/usr/local/libexec/xscreensaver/orbivane");
  EXPECT_EQ(xscreensaverCommand("/home/ann/my builds/orbivane"), "'/home/ann/my builds/orbivane'");
  EXPECT_EQ(xscreensaverCommand("/home/ann/a\\b/orbivane"), "");
  EXPECT_EQ(xscreensaverCommand("/home/ann/it's/orbivane"), "");
}

}  // namespace
