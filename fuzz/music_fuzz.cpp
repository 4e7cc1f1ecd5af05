// music_fuzz.cpp -- fuzz target: the music track decoded and looped
// Fuzz target: the music track decoded and played on past its end, so that
// it loops, as the hosts play it. Page checksums are set right first.
#include <cstdint>
#include <vector>

#include "audio/ogg_loop.h"
#include "fuzz/checksum_fixes.h"

namespace {

constexpr unsigned kOutputRate = 44100;
constexpr std::size_t kFramesPlayed = 3 * kOutputRate;  // longer than the seeds
constexpr std::size_t kFramesPerRead = 4096;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> track(data, data + size);
  fixOggPageChecksums(track);
  OggLoop loop;
  if (!loop.open(track.data(), track.size(), kOutputRate)) return 0;
  loop.setVolume(80);
  static std::int16_t out[2 * kFramesPerRead];
  for (std::size_t played = 0; played < kFramesPlayed && loop.isOpen();)
    played += loop.read(out, kFramesPerRead);
  return 0;
}
