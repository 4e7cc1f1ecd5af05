#include "app/ogg_loop.h"

#include <gtest/gtest.h>
#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// An Ogg Vorbis stream of a sine tone, encoded here.
std::vector<unsigned char> encodeTone(int rate, int channels, int frames, float amplitude) {
  std::vector<unsigned char> bytes;
  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, channels, rate, 0.4f) != 0) return bytes;
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_block block;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, 1);
  ogg_page page;
  ogg_packet packet;
  auto emit = [&](bool flush) {
    while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
      bytes.insert(bytes.end(), page.header, page.header + page.header_len);
      bytes.insert(bytes.end(), page.body, page.body + page.body_len);
    }
  };
  ogg_packet header, commentPacket, codebooks;
  vorbis_analysis_headerout(&dsp, &comment, &header, &commentPacket, &codebooks);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &commentPacket);
  ogg_stream_packetin(&stream, &codebooks);
  emit(true);
  for (int done = 0; done <= frames;) {
    const int count = done == frames ? 0 : std::min(1024, frames - done);
    if (count > 0) {
      float** buffer = vorbis_analysis_buffer(&dsp, count);
      for (int i = 0; i < count; ++i)
        for (int c = 0; c < channels; ++c)
          buffer[c][i] = amplitude * std::sin(float(done + i) * 440.0f * 6.2831853f / float(rate));
    }
    vorbis_analysis_wrote(&dsp, count);
    done += count == 0 ? 1 : count;
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      while (vorbis_bitrate_flushpacket(&dsp, &packet)) ogg_stream_packetin(&stream, &packet);
      emit(false);
    }
  }
  emit(true);
  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return bytes;
}

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

}  // namespace
