#pragma once
// random.h -- the one pseudo-random generator, the same sequence on every platform

#include <cstdint>

// state = state * 214013 + 2531011 (32 bits), each draw the state's bits
// 16-30: the classic C runtime rand(), whatever the platform's own rand()
// is, so a seed gives the same flight everywhere.
constexpr int kRandomMax = 32767;

void seedRandom(std::uint32_t seed);
// The generator's state: seedRandom(randomState()) goes on where it was.
std::uint32_t randomState();
int randomInt();  // 0 .. kRandomMax
float rand01();   // randomInt() / kRandomMax, so both 0 and 1 can occur
