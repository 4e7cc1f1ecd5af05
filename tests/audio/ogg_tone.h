#pragma once

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

// The three header packets of a Vorbis stream, in order.
enum class VorbisHeader { kIdentification, kComment, kSetup };
using HeaderEdit = std::function<void(VorbisHeader, std::vector<unsigned char>&)>;

// An Ogg Vorbis stream of a sine tone, encoded here. `editHeader`, when
// given, may change each header packet before it is paged.
inline std::vector<unsigned char> encodeTone(int rate, int channels, int frames, float amplitude,
                                             const HeaderEdit& editHeader = {}) {
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
  ogg_packet headers[3];
  vorbis_analysis_headerout(&dsp, &comment, &headers[0], &headers[1], &headers[2]);
  std::vector<unsigned char> edited[3];
  for (int i = 0; i < 3; ++i) {
    if (editHeader) {
      edited[i].assign(headers[i].packet, headers[i].packet + headers[i].bytes);
      editHeader(VorbisHeader(i), edited[i]);
      headers[i].packet = edited[i].data();
      headers[i].bytes = long(edited[i].size());
    }
    ogg_stream_packetin(&stream, &headers[i]);
  }
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

