// mode_list.cpp -- the display modes the configuration dialog lists
#include "app/mode_list.h"

#include <cstdio>

std::string modeEntryText(const DisplayMode& mode) {
  char text[64];
  std::snprintf(text, sizeof text, "%d x %d %d bits", int(mode.width), int(mode.height),
                int(mode.bitsPerPixel));
  return text;
}

std::vector<std::string> modeListEntries(const std::vector<DisplayMode>& modes) {
  std::vector<std::string> entries;
  const DisplayMode* previous = nullptr;
  for (const DisplayMode& mode : modes) {
    if (mode.width < 640 || mode.height < 480 || mode.bitsPerPixel < 16) continue;
    const bool repeated = previous && previous->width == mode.width &&
                          previous->height == mode.height &&
                          previous->bitsPerPixel == mode.bitsPerPixel;
    if (!repeated) entries.push_back(modeEntryText(mode));
    previous = &mode;
  }
  return entries;
}

bool parseModeEntry(const char* text, DisplayMode& mode) {
  int width = 0, height = 0, bits = 0;
  if (!text || std::sscanf(text, "%d x %d %d bits", &width, &height, &bits) != 3) return false;
  if (width <= 0 || height <= 0 || bits <= 0) return false;
  mode = {std::uint32_t(width), std::uint32_t(height), std::uint32_t(bits)};
  return true;
}
