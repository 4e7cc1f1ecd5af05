#include "x11/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

bool parse(std::vector<std::string> args, X11Options& options) {
  args.insert(args.begin(), "orbivane");
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  std::string error;
  return parseX11Options(int(argv.size()), argv.data(), options, &error);
}

X11Options parsed(const std::vector<std::string>& args) {
  X11Options options;
  EXPECT_TRUE(parse(args, options));
  return options;
}

TEST(X11Options, WhereItDrawsWithEitherDashStyle) {
  EXPECT_EQ(parsed({"--root"}).target, Target::kRoot);
  EXPECT_EQ(parsed({"-root"}).target, Target::kRoot);
  X11Options o = parsed({"--window-id", "0x1a00003"});
  EXPECT_EQ(o.target, Target::kWindowId);
  EXPECT_EQ(o.windowId, 0x1a00003ul);
  EXPECT_EQ(parsed({"-window-id", "27263"}).windowId, 27263ul);
  EXPECT_EQ(parsed({"-window-id", "0X1F"}).windowId, 0x1Ful);
  // The preview passes both; the window id wins in either order.
  EXPECT_EQ(parsed({"--root", "--window-id", "0x10"}).target, Target::kWindowId);
  EXPECT_EQ(parsed({"--window-id", "0x10", "-root"}).target, Target::kWindowId);
  o = parsed({"--windowed", "800x600"});
  EXPECT_TRUE(o.windowed);
  EXPECT_EQ(o.windowWidth, 800);
  EXPECT_EQ(o.windowHeight, 600);
  EXPECT_FALSE(o.underHost());
  EXPECT_TRUE(parsed({"-root"}).underHost());
  // Without a size, the window has its default one, and the next option is no size.
  o = parsed({"--windowed", "--data", "scene", "--watch"});
  EXPECT_TRUE(o.windowed);
  EXPECT_EQ(o.windowWidth, 1280);
  EXPECT_EQ(o.dataDir, "scene");
  EXPECT_TRUE(o.watch);
}

TEST(X11Options, EverySwitchAndValue) {
  const X11Options o = parsed({"--data", "/srv/orbivane", "-speed", "0", "--no-clock", "-12h",
                               "-fps", "--no-music", "--volume=1", "--vsync", "--max-fps", "0",
                               "--mouse-exit", "--seed", "4294967295"});
  EXPECT_EQ(o.dataDir, "/srv/orbivane");
  EXPECT_EQ(o.speed, 0u);
  EXPECT_FALSE(o.clock);
  EXPECT_TRUE(o.twelveHour);
  EXPECT_TRUE(o.fps);
  EXPECT_FALSE(o.music);
  EXPECT_EQ(o.volume, 1u);
  EXPECT_TRUE(o.vsync);
  EXPECT_EQ(o.maxFps, 0);
  EXPECT_TRUE(o.mouseExit);
  ASSERT_TRUE(o.seedGiven);
  EXPECT_EQ(o.seed, 4294967295u);
  // The later of a pair wins.
  EXPECT_TRUE(parsed({"--no-clock", "--clock"}).clock);
  EXPECT_FALSE(parsed({"--fps", "--no-fps"}).fps);
  EXPECT_TRUE(parsed({"--help"}).help);
  EXPECT_TRUE(parsed({"-version"}).version);
}

TEST(X11Options, BadOptionsAndValuesAreRefused) {
  const std::vector<std::vector<std::string>> bad = {
      {"--speed", "101"},     {"--speed", "-1"},       {"--speed", "5x"},
      {"--volume", "0"},      {"--volume", "101"},     {"--window-id", "zz"},
      {"--window-id", "0"},   {"--window-id"},         {"--window-id", "0x"},
      {"--windowed", "800"},  {"--windowed", "0x600"}, {"--windowed", "800x"},
      {"--max-fps", "fast"},  {"--seed", "4294967296"}, {"--bogus"},
      {"root"},               {"-"},                    {"--fps=1"},
      {"--data"},             {"--data", ""},           {"--window-id", "0x100000010"},
      {"--add-to-xscreensaver=1"}, {"--watch=1"}};
  for (const auto& args : bad) {
    X11Options options;
    EXPECT_FALSE(parse(args, options)) << args[0] << (args.size() > 1 ? " " + args[1] : "");
  }
}

}  // namespace
