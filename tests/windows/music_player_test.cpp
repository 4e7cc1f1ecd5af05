#include "app/music_player.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/audio/ogg_tone.h"

namespace {

// Wine may or may not have a sound device here; either way every call is
// safe, and a player that started stops at once.
TEST(MusicPlayer, PlaysALoopUntilStoppedOrStaysSilent) {
  const std::vector<unsigned char> ogg = encodeTone(44100, 2, 4410, 0.3f);
  MusicPlayer player;
  const bool device = player.init(nullptr, 44100);
  std::printf("sound device: %s\n", device ? "yes" : "none");
  if (std::getenv("ORBIVANE_EXPECT_SOUND_DEVICE")) {
    ASSERT_TRUE(device);
  }
  player.start();
  player.setVolume(80);
  EXPECT_EQ(player.loadSample(ogg.data(), ogg.size()), device);
  player.playLooped(80);
  EXPECT_EQ(player.playing(), device);
  Sleep(300);  // longer than the sample: it loops
  EXPECT_EQ(player.playing(), device);
  player.stop();
  EXPECT_FALSE(player.playing());
  player.free();
  player.free();
}

TEST(MusicPlayer, ABadSampleLeavesItSilent) {
  const std::vector<unsigned char> noise(3000, 0x33);
  MusicPlayer player;
  player.init(nullptr, 44100);
  EXPECT_FALSE(player.loadSample(noise.data(), noise.size()));
  EXPECT_FALSE(player.loadSample(nullptr, 0));
  player.playLooped(100);
  EXPECT_FALSE(player.playing());
  player.stop();
}

TEST(MusicPlayer, CallsWithoutADeviceDoNothing) {
  const std::vector<unsigned char> ogg = encodeTone(22050, 1, 2205, 0.3f);
  MusicPlayer player;
  EXPECT_FALSE(player.init(nullptr, 0));
  EXPECT_FALSE(player.loadSample(ogg.data(), ogg.size()));
  player.playLooped(100);
  EXPECT_FALSE(player.playing());
  player.stop();
}

}  // namespace
