#include "app/registry_settings.h"

#include <gtest/gtest.h>

#include <cstring>

#include "host/settings.h"
#include "tests/windows/registry_key.h"

namespace {

class RegistrySettings : public testing::Test {
 protected:
  void SetUp() override { settings = Settings{}; }
  void TearDown() override { settings = Settings{}; }
  SettingsKey key;
};

TEST_F(RegistrySettings, DefaultGammaOverridesAStoredGamma) {
  SettingsKey::setNumber("DefGamma", 1);
  SettingsKey::setNumber("Gamma", 80);
  loadSettings();
  EXPECT_TRUE(settings.DefGamma);
  EXPECT_EQ(settings.Gamma, 50u);

  SettingsKey::setNumber("DefGamma", 0);
  loadSettings();
  EXPECT_EQ(settings.Gamma, 80u);
}

TEST_F(RegistrySettings, FlagsStoredAsSevenComeBackAsOne) {
  SettingsKey::setNumber("ShowFPS", 7);
  SettingsKey::setNumber("VSync", 7);
  SettingsKey::setNumber("Speed", 73);
  loadSettings();
  EXPECT_TRUE(settings.ShowFPS);
  EXPECT_TRUE(settings.VSync);
  EXPECT_EQ(settings.Speed, 73u);
  saveSettings();
  std::uint32_t value = 0;
  DWORD type = 0;
  ASSERT_TRUE(SettingsKey::number("ShowFPS", value, &type));
  EXPECT_EQ(value, 1u);
  EXPECT_EQ(type, DWORD(REG_DWORD));
  ASSERT_TRUE(SettingsKey::number("VSync", value));
  EXPECT_EQ(value, 1u);
  ASSERT_TRUE(SettingsKey::number("Speed", value));
  EXPECT_EQ(value, 73u);
}

TEST_F(RegistrySettings, SavingWritesShowFlameAndNeverPath) {
  SettingsKey::setText("Path", "C:\\installed\\here");
  loadSettings();
  EXPECT_STREQ(settings.Path, "C:\\installed\\here");
  std::strcpy(settings.Path, "C:\\elsewhere");
  settings.ShowFlame = true;
  saveSettings();

  std::uint32_t value = 99;
  ASSERT_TRUE(SettingsKey::number("ShowFlame", value));
  EXPECT_EQ(value, 0u);
  char path[255] = {};
  HKEY handle = nullptr;
  RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &handle);
  DWORD size = sizeof path;
  RegQueryValueExA(handle, "Path", nullptr, nullptr, reinterpret_cast<BYTE*>(path), &size);
  RegCloseKey(handle);
  EXPECT_STREQ(path, "C:\\installed\\here");
  // Sixteen numbers and the installer's Path.
  EXPECT_EQ(SettingsKey::valueCount(), 17u);

  SettingsKey::clear();
  saveSettings();
  EXPECT_FALSE(SettingsKey::has("Path"));
  EXPECT_EQ(SettingsKey::valueCount(), 16u);
}

TEST_F(RegistrySettings, AbsentValuesLoadTheDefaultsAndCreateTheKey) {
  SettingsKey::clear();
  settings.EnableMusic = false;
  settings.Speed = 3;
  settings.TimeFormat = true;
  settings.Volume = 7;
  loadSettings();
  EXPECT_TRUE(settings.EnableMusic);
  EXPECT_EQ(settings.Speed, 50u);
  EXPECT_FALSE(settings.TimeFormat);
  EXPECT_EQ(settings.Volume, 100u);
  EXPECT_TRUE(settings.DefGamma);
  EXPECT_TRUE(settings.UseDesktop);
  HKEY handle = nullptr;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &handle), ERROR_SUCCESS);
  RegCloseKey(handle);
}

TEST_F(RegistrySettings, ValuesOfTheWrongShapeAreTakenAsAbsent) {
  SettingsKey::setText("Speed", "fast");
  SettingsKey::setText("Path", std::string(300, 'x'));
  std::strcpy(settings.Path, "before");
  loadSettings();
  EXPECT_EQ(settings.Speed, 50u);
  EXPECT_STREQ(settings.Path, "before");
}

}  // namespace
