#pragma once
// settings_store.h -- the settings read from and written to named values, with their defaults

#include <cstdint>

#include "host/settings.h"

// Named values the settings are kept in (the registry key on Windows).
class SettingsValues {
 public:
  virtual ~SettingsValues() = default;
  // False when the value is absent or not a 4-byte value.
  virtual bool readNumber(const char* name, std::uint32_t& value) = 0;
  // Copies the text with its terminating zero; false when absent or when it
  // does not fit in `capacity` bytes.
  virtual bool readText(const char* name, char* buffer, std::uint32_t capacity) = 0;
  virtual void writeNumber(const char* name, std::uint32_t value) = 0;
};

// Reads every setting; an absent value takes its default (the values of
// Restore Defaults, 50 for Speed, 24-hour time), an absent Path leaves the
// field as it is. With DefGamma on, Gamma is 50 whatever was stored.
void loadSettingsFrom(SettingsValues& values, Settings& block);

// Writes every setting but Path, flags as 0 or 1, ShowFlame always 0.
void saveSettingsTo(SettingsValues& values, const Settings& block);
