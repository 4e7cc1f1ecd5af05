#include "app/settings_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// Values in memory, with a log of what was read and written.
class FakeValues : public SettingsValues {
 public:
  std::map<std::string, std::uint32_t> numbers;
  std::map<std::string, std::string> texts;
  std::vector<std::string> reads, writes;

  bool readNumber(const char* name, std::uint32_t& value) override {
    reads.push_back(name);
    auto it = numbers.find(name);
    if (it == numbers.end()) return false;
    value = it->second;
    return true;
  }
  bool readText(const char* name, char* buffer, std::uint32_t capacity) override {
    reads.push_back(name);
    auto it = texts.find(name);
    if (it == texts.end() || it->second.size() + 1 > capacity) return false;
    std::memcpy(buffer, it->second.c_str(), it->second.size() + 1);
    return true;
  }
  void writeNumber(const char* name, std::uint32_t value) override {
    writes.push_back(name);
    numbers[name] = value;
  }
};

// A block whose every field differs from the defaults.
Settings blankBlock() {
  Settings block;
  block.EnableMusic = block.ShowClock = block.UseDesktop = block.DefGamma = false;
  block.ShowFPS = block.VSync = block.MouseExit = block.TimeFormat = true;
  block.Speed = block.Volume = block.Gamma = 3;
  block.Width = block.Height = block.Depth = 0;
  return block;
}

TEST(SettingsStore, ReadsInItsOrderAndTakesNumbersAsStored) {
  FakeValues values;
  values.numbers = {{"ShowClock", 0}, {"TimeFormat", 1}, {"EnableMusic", 0}, {"UseDesktop", 0},
                    {"DefGamma", 0},  {"Width", 800},    {"Height", 600},     {"Depth", 16},
                    {"Volume", 250},  {"Gamma", 80},     {"Speed", 0},        {"ShowFPS", 1},
                    {"VSync", 1},     {"MouseExit", 1}};
  values.texts["Path"] = "C:\\saver";
  Settings block = blankBlock();
  loadSettingsFrom(values, block);

  const std::vector<std::string> order = {"ShowClock", "TimeFormat", "EnableMusic", "UseDesktop",
                                          "DefGamma",  "Width",      "Height",      "Depth",
                                          "Volume",    "Gamma",      "Speed",       "ShowFPS",
                                          "VSync",     "MouseExit",  "AllMonitors", "Path"};
  EXPECT_EQ(values.reads, order);
  EXPECT_FALSE(block.ShowClock);
  EXPECT_TRUE(block.TimeFormat);
  EXPECT_FALSE(block.EnableMusic);
  EXPECT_FALSE(block.UseDesktop);
  EXPECT_FALSE(block.DefGamma);
  EXPECT_EQ(block.Width, 800u);
  EXPECT_EQ(block.Height, 600u);
  EXPECT_EQ(block.Depth, 16u);
  EXPECT_EQ(block.Volume, 250u);  // no clamping
  EXPECT_EQ(block.Gamma, 80u);
  EXPECT_EQ(block.Speed, 0u);
  EXPECT_TRUE(block.ShowFPS);
  EXPECT_TRUE(block.VSync);
  EXPECT_TRUE(block.MouseExit);
  EXPECT_STREQ(block.Path, "C:\\saver");
}

TEST(SettingsStore, DefaultGammaForcesGammaFifty) {
  FakeValues values;
  values.numbers = {{"DefGamma", 1}, {"Gamma", 80}};
  Settings block = blankBlock();
  loadSettingsFrom(values, block);
  EXPECT_TRUE(block.DefGamma);
  EXPECT_EQ(block.Gamma, 50u);
}

TEST(SettingsStore, AnyNonZeroFlagLoadsAsOneAndSavesAsOne) {
  FakeValues values;
  values.numbers = {{"ShowFPS", 7}, {"MouseExit", 0x80000000u}};
  Settings block = blankBlock();
  loadSettingsFrom(values, block);
  EXPECT_TRUE(block.ShowFPS);
  EXPECT_TRUE(block.MouseExit);
  saveSettingsTo(values, block);
  EXPECT_EQ(values.numbers["ShowFPS"], 1u);
  EXPECT_EQ(values.numbers["MouseExit"], 1u);
}

TEST(SettingsStore, AbsentValuesTakeTheDefaults) {
  FakeValues values;
  Settings block = blankBlock();
  std::strcpy(block.Path, "kept");
  loadSettingsFrom(values, block);
  EXPECT_TRUE(block.EnableMusic);
  EXPECT_TRUE(block.ShowClock);
  EXPECT_FALSE(block.ShowFPS);
  EXPECT_FALSE(block.VSync);
  EXPECT_TRUE(block.UseDesktop);
  EXPECT_FALSE(block.MouseExit);
  EXPECT_TRUE(block.DefGamma);
  EXPECT_FALSE(block.TimeFormat);
  EXPECT_EQ(block.Speed, 50u);
  EXPECT_EQ(block.Volume, 100u);
  EXPECT_EQ(block.Gamma, 50u);
  EXPECT_EQ(block.Width, Settings{}.Width);
  EXPECT_EQ(block.Height, Settings{}.Height);
  EXPECT_EQ(block.Depth, Settings{}.Depth);
  EXPECT_STREQ(block.Path, "kept");
}

TEST(SettingsStore, PathThatDoesNotFitLeavesTheFieldAlone) {
  FakeValues values;
  values.texts["Path"] = std::string(254, 'a');
  Settings block = blankBlock();
  loadSettingsFrom(values, block);
  EXPECT_EQ(std::strlen(block.Path), 254u);

  values.texts["Path"] = std::string(255, 'b');
  loadSettingsFrom(values, block);
  EXPECT_EQ(block.Path[0], 'a');
}

TEST(SettingsStore, SavesEveryValueButPathInItsOrder) {
  FakeValues values;
  Settings block = blankBlock();
  block.ShowFlame = true;
  block.Width = 1280;
  block.Gamma = 70;
  block.Speed = 100;
  saveSettingsTo(values, block);
  const std::vector<std::string> order = {"ShowClock", "TimeFormat", "EnableMusic", "UseDesktop",
                                          "ShowFlame", "DefGamma",   "Width",       "Height",
                                          "Depth",     "Volume",     "Speed",       "Gamma",
                                          "VSync",     "MouseExit",  "ShowFPS",     "AllMonitors"};
  EXPECT_EQ(values.writes, order);
  EXPECT_EQ(values.numbers["ShowFlame"], 0u);
  EXPECT_EQ(values.numbers["Width"], 1280u);
  EXPECT_EQ(values.numbers["Gamma"], 70u);
  EXPECT_EQ(values.numbers["Speed"], 100u);
}

}  // namespace
