#pragma once
// registry_settings.h -- the settings kept in the current user's registry key, and the machine-wide data folder

#include <windows.h>

#include "app/settings_store.h"

// The settings key of the current user.
constexpr const char* kSettingsKey = "Software\\Kelvora\\Orbivane";

// The values of one open registry key.
class RegistryValues : public SettingsValues {
 public:
  explicit RegistryValues(HKEY key) : key_(key) {}
  bool readNumber(const char* name, std::uint32_t& value) override;
  bool readText(const char* name, char* buffer, std::uint32_t capacity) override;
  void writeNumber(const char* name, std::uint32_t value) override;

 private:
  HKEY key_;
};

// The global settings from and to HKEY_CURRENT_USER\Software\Kelvora\Orbivane;
// the key is created when absent.
void loadSettings();
void saveSettings();

// The data folder an installation for all users names: Path under
// HKEY_LOCAL_MACHINE\Software\Kelvora\Orbivane, only ever read. False when
// the key or the value is absent or the text does not fit.
bool readMachineDataFolder(char* buffer, std::uint32_t capacity);
