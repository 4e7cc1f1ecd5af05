#pragma once
#include <cstdint>

// The one pseudo-random generator of the system. It reproduces the Windows C
// runtime's srand/rand, so a seed gives the same flight on every platform.
constexpr int kRandomMax = 32767;

void seedRandom(std::uint32_t seed);
int randomInt();  // 0 .. kRandomMax
float rand01();   // randomInt() / kRandomMax, so both 0 and 1 can occur
