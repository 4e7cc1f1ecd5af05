#pragma once
// png_file.h -- the current frame written as a PNG file

#include <string>

// Writes the current colour buffer (width x height from the bottom-left
// corner) as an 8-bit RGB PNG, top row first. False, with a reason, when
// the file cannot be written.
bool writeFramePng(const std::string& path, int width, int height, std::string* error);
