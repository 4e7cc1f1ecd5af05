#pragma once
// random.h -- the one pseudo-random generator, the same sequence on every platform

#include <cstdint>

// state = state * 214013 + 2531011 (32 bits), each draw the state's bits
// 16-30: the classic C runtime rand(), whatever the platform's own rand()
// is, so a seed gives the same flight everywhere.
constexpr int kRandomMax = 32767;

struct RandomStream {
  std::uint32_t state = 1;
};

// Every draw below takes the active stream: the scene's own, unless
// another has been made active (each extra view flies and draws from its
// own, so the first view's flight is the one its seed gives alone).
void useRandomStream(RandomStream* stream);  // null: the scene's own

void seedRandom(std::uint32_t seed);
// The generator's state: seedRandom(randomState()) goes on where it was.
std::uint32_t randomState();
int randomInt();  // 0 .. kRandomMax
float rand01();   // randomInt() / kRandomMax, so both 0 and 1 can occur
