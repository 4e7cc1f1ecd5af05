// music.cpp -- the default scene's ambient music, rendered and encoded as Ogg Vorbis
#include "content/music.h"

#include <cmath>
#include <algorithm>

#include <vorbis/vorbisenc.h>

#include "math/random.h"

namespace {
constexpr int kRate = 44100;
constexpr float kPi = 3.14159265358979f;

float noteFrequency(int midi) { return 440.0f * std::pow(2.0f, float(midi - 69) / 12.0f); }

// Adds a note into the looping buffer: every sample lands at its index
// modulo the loop length, so a note that runs past the end sounds on at
// the start.
void addNote(std::vector<float>& out, double start, double length, float frequency, float gain,
             bool bell, float pan) {
  const std::size_t frames = out.size() / 2;
  const auto first = std::size_t(start * kRate), count = std::size_t(length * kRate);
  const float left = gain * std::sqrt(1 - pan), right = gain * std::sqrt(pan);
  for (std::size_t i = 0; i < count; ++i) {
    const float t = float(i) / kRate;
    float envelope, sample;
    if (bell) {
      envelope = std::fmin(t * 200, 1.0f) * std::exp(-t * 1.6f);
      sample = std::sin(2 * kPi * frequency * t) + 0.4f * std::sin(2 * kPi * frequency * 2.76f * t) *
                                                      std::exp(-t * 3);
    } else {
      const float attack = float(length) * 0.4f;
      const float phase = t < attack ? t / attack : 1 - (t - attack) / (float(length) - attack);
      envelope = 0.5f - 0.5f * std::cos(kPi * phase);
      sample = 0;
      for (int voice = 0; voice < 3; ++voice) {
        const float f = frequency * (1 + 0.003f * float(voice - 1));
        sample += std::sin(2 * kPi * f * t) + 0.3f * std::sin(4 * kPi * f * t) +
                  0.12f * std::sin(6 * kPi * f * t);
      }
      sample /= 3;
    }
    const std::size_t frame = (first + i) % frames;
    out[frame * 2] += sample * envelope * left;
    out[frame * 2 + 1] += sample * envelope * right;
  }
}

// A stereo echo that wraps around the loop; two passes so the echoes of
// the end reach the start.
void loopingEcho(std::vector<float>& out) {
  const std::size_t frames = out.size() / 2;
  const std::size_t delayL = std::size_t(0.43 * kRate), delayR = std::size_t(0.61 * kRate);
  std::vector<float> dry = out;
  std::vector<float> wet(out.size(), 0.0f);
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t f = 0; f < frames; ++f) {
      const std::size_t fl = (f + frames - delayL) % frames, fr = (f + frames - delayR) % frames;
      wet[f * 2] = (dry[fl * 2 + 1] + wet[fr * 2 + 1]) * 0.45f;
      wet[f * 2 + 1] = (dry[fr * 2] + wet[fl * 2]) * 0.45f;
    }
  }
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = dry[i] + wet[i] * 0.6f;
}
}  // namespace

std::vector<float> composeMusic(int seconds) {
  std::vector<float> out(std::size_t(seconds) * kRate * 2, 0.0f);
  // Four chords, each over a slow bass: Dm9, Bbmaj7, Fmaj7/A, C6/G.
  const int chords[4][4] = {{50, 57, 64, 65}, {46, 53, 57, 62}, {45, 53, 60, 64}, {43, 55, 60, 64}};
  const double chordLength = double(seconds) / 8;
  seedRandom(2024);
  for (int k = 0; k < 8; ++k) {
    const int* chord = chords[k % 4];
    const double start = k * chordLength;
    addNote(out, start, chordLength * 1.5, noteFrequency(chord[0] - 12), 0.22f, false, 0.5f);
    for (int n = 1; n < 4; ++n)
      addNote(out, start + 0.3 * n, chordLength * 1.4, noteFrequency(chord[n]), 0.09f, false,
              0.25f + 0.25f * float(n - 1));
    // Bells pick notes of the chord an octave up at gentle random times.
    for (int b = 0; b < 4; ++b) {
      const double at = start + rand01() * chordLength;
      const int note = chord[1 + randomInt() % 3] + 12 + (randomInt() % 2) * 12;
      addNote(out, at, 4.0, noteFrequency(note), 0.07f, true, 0.2f + 0.6f * rand01());
    }
  }
  loopingEcho(out);
  float peak = 0;
  for (float v : out) peak = std::fmax(peak, std::fabs(v));
  if (peak > 0)
    for (float& v : out) v *= 0.8f / peak;
  return out;
}

std::vector<unsigned char> encodeVorbis(const std::vector<float>& stereo, int sampleRate) {
  std::vector<unsigned char> bytes;
  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, 2, sampleRate, 0.1f) != 0) {
    vorbis_info_clear(&info);
    return bytes;
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_block block;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, 1);  // a fixed serial number keeps the bytes the same
  ogg_page page;
  ogg_packet packet;
  auto writePage = [&bytes](const ogg_page& p) {
    bytes.insert(bytes.end(), p.header, p.header + p.header_len);
    bytes.insert(bytes.end(), p.body, p.body + p.body_len);
  };
  ogg_packet header, headerComment, headerCode;
  vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &headerComment);
  ogg_stream_packetin(&stream, &headerCode);
  while (ogg_stream_flush(&stream, &page)) writePage(page);

  const std::size_t frames = stereo.size() / 2;
  const std::size_t chunk = 4096;
  for (std::size_t done = 0; done <= frames;) {
    const std::size_t n = std::min(chunk, frames - done);
    if (n == 0) {
      vorbis_analysis_wrote(&dsp, 0);
      done = frames + 1;
    } else {
      float** buffer = vorbis_analysis_buffer(&dsp, int(n));
      for (std::size_t i = 0; i < n; ++i) {
        buffer[0][i] = stereo[(done + i) * 2];
        buffer[1][i] = stereo[(done + i) * 2 + 1];
      }
      vorbis_analysis_wrote(&dsp, int(n));
      done += n;
    }
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
        ogg_stream_packetin(&stream, &packet);
        while (ogg_stream_pageout(&stream, &page)) writePage(page);
      }
    }
  }
  while (ogg_stream_flush(&stream, &page)) writePage(page);
  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return bytes;
}
