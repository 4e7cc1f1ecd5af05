// settings_store.cpp -- the settings read from and written to named values, with their defaults
#include "app/settings_store.h"

namespace {

void loadFlag(SettingsValues& values, const char* name, bool& flag, bool fallback) {
  std::uint32_t stored = 0;
  flag = values.readNumber(name, stored) ? stored != 0 : fallback;
}

void loadNumber(SettingsValues& values, const char* name, std::uint32_t& number,
                std::uint32_t fallback) {
  std::uint32_t stored = 0;
  number = values.readNumber(name, stored) ? stored : fallback;
}

}  // namespace

void loadSettingsFrom(SettingsValues& values, Settings& block) {
  const Settings defaults;
  loadFlag(values, "ShowClock", block.ShowClock, defaults.ShowClock);
  loadFlag(values, "TimeFormat", block.TimeFormat, defaults.TimeFormat);
  loadFlag(values, "EnableMusic", block.EnableMusic, defaults.EnableMusic);
  loadFlag(values, "UseDesktop", block.UseDesktop, defaults.UseDesktop);
  loadFlag(values, "DefGamma", block.DefGamma, defaults.DefGamma);
  loadNumber(values, "Width", block.Width, defaults.Width);
  loadNumber(values, "Height", block.Height, defaults.Height);
  loadNumber(values, "Depth", block.Depth, defaults.Depth);
  loadNumber(values, "Volume", block.Volume, defaults.Volume);
  loadNumber(values, "Gamma", block.Gamma, defaults.Gamma);
  loadNumber(values, "Speed", block.Speed, defaults.Speed);
  loadFlag(values, "ShowFPS", block.ShowFPS, defaults.ShowFPS);
  loadFlag(values, "VSync", block.VSync, defaults.VSync);
  loadFlag(values, "MouseExit", block.MouseExit, defaults.MouseExit);
  loadFlag(values, "AllMonitors", block.AllMonitors, defaults.AllMonitors);

  char path[sizeof block.Path] = {};
  if (values.readText("Path", path, sizeof path)) {
    path[sizeof path - 1] = '\0';
    for (std::size_t i = 0; i < sizeof path; ++i) block.Path[i] = path[i];
  }

  if (block.DefGamma) block.Gamma = 50;
}

void saveSettingsTo(SettingsValues& values, const Settings& block) {
  auto flag = [](bool on) { return on ? 1u : 0u; };
  values.writeNumber("ShowClock", flag(block.ShowClock));
  values.writeNumber("TimeFormat", flag(block.TimeFormat));
  values.writeNumber("EnableMusic", flag(block.EnableMusic));
  values.writeNumber("UseDesktop", flag(block.UseDesktop));
  values.writeNumber("ShowFlame", 0);
  values.writeNumber("DefGamma", flag(block.DefGamma));
  values.writeNumber("Width", block.Width);
  values.writeNumber("Height", block.Height);
  values.writeNumber("Depth", block.Depth);
  values.writeNumber("Volume", block.Volume);
  values.writeNumber("Speed", block.Speed);
  values.writeNumber("Gamma", block.Gamma);
  values.writeNumber("VSync", flag(block.VSync));
  values.writeNumber("MouseExit", flag(block.MouseExit));
  values.writeNumber("ShowFPS", flag(block.ShowFPS));
  values.writeNumber("AllMonitors", flag(block.AllMonitors));
}
