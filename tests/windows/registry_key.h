#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/registry_settings.h"

// The settings key of the Wine prefix the tests run in, cleared before and
// after each test that uses it.
class SettingsKey {
 public:
  SettingsKey() { clear(); }
  ~SettingsKey() { clear(); }

  static void clear() { RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey); }

  static void setNumber(const char* name, std::uint32_t value) {
    HKEY key = open();
    const DWORD stored = value;
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored), sizeof stored);
    RegCloseKey(key);
  }

  static void setText(const char* name, const std::string& text) {
    HKEY key = open();
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   DWORD(text.size() + 1));
    RegCloseKey(key);
  }

  // False when the value is absent; type receives its registry type.
  static bool number(const char* name, std::uint32_t& value, DWORD* type = nullptr) {
    HKEY key = open();
    DWORD stored = 0, size = sizeof stored, kind = 0;
    const bool found = RegQueryValueExA(key, name, nullptr, &kind, reinterpret_cast<BYTE*>(&stored),
                                        &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    value = stored;
    if (type) *type = kind;
    return found;
  }

  static bool has(const char* name) {
    HKEY key = open();
    const bool found = RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return found;
  }

  static DWORD valueCount() {
    HKEY key = open();
    DWORD count = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return count;
  }

 private:
  static HKEY open() {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    return key;
  }
};
