// settings.cpp -- the user's preferences, one global block that every host fills
#include "host/settings.h"

Settings settings;

float speedFactorFor(std::uint32_t speed) { return float(speed) / 50.0f + 0.5f; }
