#pragma once
// fuzz_limits.h -- the limits the fuzz targets hold the decoders to

#include <cstdint>

// The largest texture side the targets without a context decode to: what
// Mesa's software renderer on this machine reports, larger than most
// drivers take, so the decoders meet the most work the saver can give them.
constexpr std::uint32_t kFuzzMaxTextureSide = 16384;

// The time one update advances the objects by: a frame at 60 frames a second.
constexpr double kFuzzFrameSeconds = 1.0 / 60.0;
