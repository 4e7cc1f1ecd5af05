// random.cpp -- the one pseudo-random generator, the same sequence on every platform
#include "math/random.h"

namespace {
RandomStream sceneStream;
RandomStream* active = &sceneStream;
}  // namespace

void useRandomStream(RandomStream* stream) { active = stream ? stream : &sceneStream; }

void seedRandom(std::uint32_t seed) { active->state = seed; }

std::uint32_t randomState() { return active->state; }

int randomInt() {
  active->state = active->state * 214013u + 2531011u;
  return static_cast<int>((active->state >> 16) & 0x7FFFu);
}

float rand01() { return static_cast<float>(randomInt()) / static_cast<float>(kRandomMax); }
