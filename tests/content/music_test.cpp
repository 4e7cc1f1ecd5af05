#include <cmath>
#include <cstring>

#include <gtest/gtest.h>

#include "content/music.h"

namespace {

TEST(Music, LoopsWithoutAJumpAndStaysInRange) {
  const int seconds = 8;
  const std::vector<float> music = composeMusic(seconds);
  ASSERT_EQ(music.size(), std::size_t(seconds) * 44100 * 2);
  float peak = 0, largestStep = 0;
  for (std::size_t i = 0; i < music.size(); ++i) {
    peak = std::fmax(peak, std::fabs(music[i]));
    if (i >= 2) largestStep = std::fmax(largestStep, std::fabs(music[i] - music[i - 2]));
  }
  EXPECT_LE(peak, 0.8f + 1e-6f);
  EXPECT_GT(peak, 0.5f);
  // From the last frame back to the first, each channel moves no more than
  // it does between neighbouring frames inside the track.
  for (int channel = 0; channel < 2; ++channel)
    EXPECT_LE(std::fabs(music[channel] - music[music.size() - 2 + channel]), largestStep);
}

// The granule position of the last Ogg page: the samples of the stream.
long long lastGranule(const std::vector<unsigned char>& ogg) {
  for (std::size_t at = ogg.size() - 27; at-- > 0;) {
    if (std::memcmp(&ogg[at], "OggS", 4) != 0) continue;
    long long granule = 0;
    for (int k = 7; k >= 0; --k) granule = granule * 256 + ogg[at + 6 + k];
    return granule;
  }
  return -1;
}

TEST(Music, VorbisStreamIsTheSameEveryTimeAndHoldsEverySample) {
  const std::vector<float> music = composeMusic(3);
  const std::vector<unsigned char> first = encodeVorbis(music, 44100);
  ASSERT_GT(first.size(), 1000u);
  EXPECT_EQ(std::memcmp(first.data(), "OggS", 4), 0);
  EXPECT_EQ(lastGranule(first), 3 * 44100);
  EXPECT_EQ(encodeVorbis(music, 44100), first);
}

}  // namespace
