#include "audio/ogg_loop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "tests/audio/ogg_tone.h"

namespace {

int peak(const std::vector<std::int16_t>& samples) {
  int most = 0;
  for (std::int16_t s : samples) most = std::max(most, std::abs(int(s)));
  return most;
}

TEST(OggLoop, LoopsForeverAtTheOutputRate) {
  const std::vector<unsigned char> ogg = encodeTone(22050, 1, 2205, 0.5f);  // 0.1 s
  ASSERT_FALSE(ogg.empty());
  OggLoop loop;
  ASSERT_TRUE(loop.open(ogg.data(), ogg.size(), 44100));
  EXPECT_EQ(loop.sourceRate(), 22050);
  EXPECT_EQ(loop.sourceChannels(), 1);
  // Two seconds of output from a tenth of a second of sound.
  std::vector<std::int16_t> out(2 * 88200);
  EXPECT_EQ(loop.read(out.data(), 88200), 88200u);
  EXPECT_TRUE(loop.isOpen());
  // Mono is doubled into both channels, and the tone is heard late in the loop too.
  for (std::size_t i = 0; i < out.size(); i += 2) ASSERT_EQ(out[i], out[i + 1]);
  const std::vector<std::int16_t> tail(out.end() - 4410, out.end());
  EXPECT_GT(peak(tail), 12000);
  EXPECT_LT(peak(out), 20000);
}

TEST(OggLoop, VolumeScalesTheSamples) {
  const std::vector<unsigned char> ogg = encodeTone(44100, 2, 4410, 0.8f);
  OggLoop loud, quiet;
  ASSERT_TRUE(loud.open(ogg.data(), ogg.size(), 44100));
  ASSERT_TRUE(quiet.open(ogg.data(), ogg.size(), 44100));
  quiet.setVolume(25);
  std::vector<std::int16_t> a(2 * 4000), b(2 * 4000);
  loud.read(a.data(), 4000);
  quiet.read(b.data(), 4000);
  EXPECT_NEAR(peak(b), peak(a) / 4, 200);
  quiet.setVolume(0);
  quiet.read(b.data(), 4000);
  EXPECT_EQ(peak(b), 0);
}

TEST(OggLoop, RejectsWhatIsNotAVorbisStream) {
  OggLoop loop;
  const std::vector<unsigned char> noise(5000, 0x5A);
  EXPECT_FALSE(loop.open(noise.data(), noise.size(), 44100));
  EXPECT_FALSE(loop.open(nullptr, 0, 44100));
  std::vector<unsigned char> ogg = encodeTone(44100, 1, 4410, 0.5f);
  EXPECT_FALSE(loop.open(ogg.data(), ogg.size(), 0));
  // A stream cut short after its headers plays what it has or nothing, and
  // reading it never runs past the buffer or hangs.
  ogg.resize(ogg.size() / 3);
  if (loop.open(ogg.data(), ogg.size(), 44100)) {
    std::vector<std::int16_t> out(2 * 20000);
    loop.read(out.data(), 20000);
  }
  std::int16_t sample[2] = {1, 1};
  OggLoop closed;
  EXPECT_EQ(closed.read(sample, 1), 0u);
}

// The first codebook of a setup header begins byte-aligned: its sync "BCV",
// 16 bits of dimension, 24 of entries, then the flags and the codeword
// lengths, packed from the least significant bit.
std::size_t firstCodebook(const std::vector<unsigned char>& setup) {
  const std::string sync = "BCV";
  return std::size_t(std::search(setup.begin(), setup.end(), sync.begin(), sync.end()) - setup.begin());
}

bool bitAt(const std::vector<unsigned char>& bytes, std::size_t bit) {
  return (bytes[bit / 8] >> (bit % 8)) & 1;
}

// The decoder library takes books it cannot use and then divides by zero
// while decoding: such streams never reach it.
TEST(OggLoop, RefusesCodebooksTheDecoderCannotUse) {
  const HeaderEdit noDimension = [](VorbisHeader header, std::vector<unsigned char>& bytes) {
    if (header != VorbisHeader::kSetup) return;
    const std::size_t at = firstCodebook(bytes);
    bytes[at + 3] = bytes[at + 4] = 0;
  };
  // The first used entry's length changes by one: the lengths no longer
  // make a complete prefix code.
  const HeaderEdit incompleteCode = [](VorbisHeader header, std::vector<unsigned char>& bytes) {
    if (header != VorbisHeader::kSetup) return;
    const std::size_t flags = (firstCodebook(bytes) + 8) * 8;
    ASSERT_FALSE(bitAt(bytes, flags));  // not ordered
    std::size_t length = flags + 2;
    if (bitAt(bytes, flags + 1)) {  // sparse: a used flag before each length
      ASSERT_TRUE(bitAt(bytes, length));
      ++length;
    }
    bytes[length / 8] ^= std::uint8_t(1u << (length % 8));
  };
  OggLoop loop;
  for (const HeaderEdit& edit : {noDimension, incompleteCode}) {
    const std::vector<unsigned char> ogg = encodeTone(44100, 2, 4410, 0.5f, edit);
    EXPECT_FALSE(loop.open(ogg.data(), ogg.size(), 44100));
  }
}

// Work per second of sound grows with the source rate and with the number
// of loops: a rate no sound card plays is refused, a blip is not looped.
TEST(OggLoop, RefusesRatesBeyond192KilohertzAndPlaysBlipsOnce) {
  const auto rate = [](std::uint32_t hertz) {
    return [hertz](VorbisHeader header, std::vector<unsigned char>& bytes) {
      if (header != VorbisHeader::kIdentification) return;
      // The rate follows the type, "vorbis", the version and the channels.
      for (int i = 0; i < 4; ++i) bytes[12 + i] = std::uint8_t(hertz >> (8 * i));
    };
  };
  OggLoop loop;
  std::vector<unsigned char> ogg = encodeTone(44100, 1, 4410, 0.5f, rate(192000));
  EXPECT_TRUE(loop.open(ogg.data(), ogg.size(), 44100));
  ogg = encodeTone(44100, 1, 4410, 0.5f, rate(16000000));
  EXPECT_FALSE(loop.open(ogg.data(), ogg.size(), 44100));

  ogg = encodeTone(44100, 1, 1000, 0.5f);  // 23 ms
  ASSERT_TRUE(loop.open(ogg.data(), ogg.size(), 44100));
  std::vector<std::int16_t> out(2 * 44100);
  EXPECT_LT(loop.read(out.data(), 44100), 2000u);
  EXPECT_FALSE(loop.isOpen());
}

}  // namespace
