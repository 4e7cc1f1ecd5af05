#include "app/start_up.h"

#include <gtest/gtest.h>

#include "host/settings.h"
#include "tests/windows/registry_key.h"

namespace {

class StartUp : public testing::Test {
 protected:
  void SetUp() override {
    settings = Settings{};
    SettingsKey::setNumber("Width", 640);
    SettingsKey::setNumber("Height", 480);
    SettingsKey::setNumber("Depth", 8);
  }
  void TearDown() override { settings = Settings{}; }
  SettingsKey key;
};

TEST_F(StartUp, UseDesktopTakesTheDesktopModeBeforeAnyModeRuns) {
  SettingsKey::setNumber("UseDesktop", 1);
  SaverApp app;
  ASSERT_TRUE(startUp(app, "\"C:\\a-b\\orbivane.scr\" /c:77"));
  EXPECT_EQ(app.runMode, RunMode::Configure);
  EXPECT_EQ(app.parentWindow, reinterpret_cast<HWND>(77));
  DEVMODEA desktop = {};
  desktop.dmSize = sizeof desktop;
  ASSERT_TRUE(EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &desktop));
  EXPECT_EQ(settings.Width, desktop.dmPelsWidth);
  EXPECT_EQ(settings.Height, desktop.dmPelsHeight);
  EXPECT_EQ(settings.Depth, desktop.dmBitsPerPel);
  EXPECT_GE(app.monitors.count, 1u);
}

TEST_F(StartUp, WithoutUseDesktopTheStoredModeStays) {
  SettingsKey::setNumber("UseDesktop", 0);
  SaverApp app;
  startUp(app, "orbivane.scr /S");
  EXPECT_EQ(app.runMode, RunMode::Saver);
  EXPECT_EQ(app.parentWindow, nullptr);
  EXPECT_EQ(settings.Width, 640u);
  EXPECT_EQ(settings.Height, 480u);
  EXPECT_EQ(settings.Depth, 8u);
}

}  // namespace
