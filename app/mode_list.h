#pragma once
// mode_list.h -- the display modes the configuration dialog lists

#include <cstdint>
#include <string>
#include <vector>

// A display mode as the configuration dialog lists it.
struct DisplayMode {
  std::uint32_t width = 0, height = 0, bitsPerPixel = 0;
};

// "%d x %d %d bits"
std::string modeEntryText(const DisplayMode& mode);

// The entries offered: modes of at least 640 x 480 at 16 bits, in the
// platform's order, a mode that repeats the one kept just before it (another
// refresh rate) listed once.
std::vector<std::string> modeListEntries(const std::vector<DisplayMode>& modes);

// Reads an entry back; false unless it holds all three numbers.
bool parseModeEntry(const char* text, DisplayMode& mode);
