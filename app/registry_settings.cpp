// registry_settings.cpp -- the settings kept in the current user's registry key, and the machine-wide data folder
#include "app/registry_settings.h"

#include "host/settings.h"

bool RegistryValues::readNumber(const char* name, std::uint32_t& value) {
  DWORD stored = 0, size = sizeof stored, type = 0;
  if (RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(&stored), &size) !=
          ERROR_SUCCESS ||
      size != sizeof stored)
    return false;
  value = stored;
  return true;
}

bool RegistryValues::readText(const char* name, char* buffer, std::uint32_t capacity) {
  DWORD size = capacity, type = 0;
  if (capacity == 0 ||
      RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
          ERROR_SUCCESS)
    return false;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
  // A value stored without its terminating zero must still fit with one.
  if (size == 0 || buffer[size - 1] != '\0') {
    if (size >= capacity) return false;
    buffer[size] = '\0';
  }
  return true;
}

void RegistryValues::writeNumber(const char* name, std::uint32_t value) {
  const DWORD stored = value;
  RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored), sizeof stored);
}

namespace {

HKEY openSettingsKey(REGSAM access) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, access, nullptr, &key,
                      &disposition) != ERROR_SUCCESS)
    return nullptr;
  return key;
}

// Reads from no key: every value absent.
class NoValues : public SettingsValues {
 public:
  bool readNumber(const char*, std::uint32_t&) override { return false; }
  bool readText(const char*, char*, std::uint32_t) override { return false; }
  void writeNumber(const char*, std::uint32_t) override {}
};

}  // namespace

void loadSettings() {
  HKEY key = openSettingsKey(KEY_READ);
  if (!key) {
    NoValues none;
    loadSettingsFrom(none, settings);
    return;
  }
  RegistryValues values(key);
  loadSettingsFrom(values, settings);
  RegCloseKey(key);
}

void saveSettings() {
  HKEY key = openSettingsKey(KEY_WRITE);
  if (!key) return;
  RegistryValues values(key);
  saveSettingsTo(values, settings);
  RegCloseKey(key);
}

bool readMachineDataFolder(char* buffer, std::uint32_t capacity) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegistryValues values(key);
  const bool found = values.readText("Path", buffer, capacity);
  RegCloseKey(key);
  return found;
}
