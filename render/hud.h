#pragma once
// hud.h -- the glyph font, the clock, the FPS counter and the loading screen

#include <cstdint>
#include <string>

#include "host/host.h"

// The 13-glyph font of "textures\c.jpg" ('0'-'9', ':', ';' morning and '<'
// afternoon marker), the clock, the FPS counter and the loading screen, all
// in the 800 x 600 overlay space.
extern std::uint32_t glyphTexture;
extern std::uint32_t glyphLists;  // first of 13 consecutive display lists

void buildGlyphFont();
// Deletes the font's display lists (its texture is the catalogue's).
void deleteGlyphFont();
void drawGlyphText(int x, int y, const char* text);
void drawFps(std::uint32_t count);
void drawClock();
void drawLoadingScreen();

// The clock's glyph text for a time: "14:05:09", or "02:05:09<" in 12-hour form.
std::string clockText(const LocalTime& time, bool twelveHour);
