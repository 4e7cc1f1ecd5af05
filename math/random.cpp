// random.cpp -- the one pseudo-random generator, the same sequence on every platform
#include "math/random.h"

namespace {
std::uint32_t state = 1;
}

void seedRandom(std::uint32_t seed) { state = seed; }

std::uint32_t randomState() { return state; }

int randomInt() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 0x7FFFu);
}

float rand01() { return static_cast<float>(randomInt()) / static_cast<float>(kRandomMax); }
