// ogg_loop.cpp -- an Ogg Vorbis stream in memory decoded to looping 16-bit stereo at a fixed rate
#include "audio/ogg_loop.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>

#include "audio/vorbis_setup.h"

namespace {

using Memory = OggMemorySource;

std::size_t memoryRead(void* dest, std::size_t size, std::size_t count, void* source) {
  auto* memory = static_cast<Memory*>(source);
  if (size == 0) return 0;
  const std::size_t left = memory->size - memory->position;
  std::size_t items = count;
  if (items > left / size) items = left / size;
  std::memcpy(dest, memory->data + memory->position, items * size);
  memory->position += items * size;
  return items;
}

// Decoding errors in a row after which the stream counts as broken.
constexpr int kMaxErrors = 64;

// Sample rates above this are no sound card's: each output frame would
// decode that many more frames of the stream.
constexpr long kMaxSourceRate = 192000;

// A pass through the stream shorter than this plays once: every loop opens
// the decoder again, and a shorter one would do so hundreds of times a second.
constexpr double kShortestLoopSeconds = 0.05;

OggVorbis_File* vorbis(void* file) { return static_cast<OggVorbis_File*>(file); }

}  // namespace

OggLoop::OggLoop() : file_(new OggVorbis_File{}) {}

OggLoop::~OggLoop() {
  close();
  delete vorbis(file_);
}

// The stream is read front to back, as from a pipe: without a seek the
// library does not look through the whole stream for chained links when it
// opens it (that search leaks on a broken link), and looping opens it again.
bool OggLoop::startDecoder() {
  memory_.position = 0;
  passFrames_ = 0;
  const ov_callbacks callbacks = {memoryRead, nullptr, nullptr, nullptr};
  return ov_open_callbacks(&memory_, vorbis(file_), nullptr, 0, callbacks) == 0;
}

bool OggLoop::open(const unsigned char* data, std::size_t size, unsigned outputRate) {
  close();
  if (!data || size == 0 || outputRate == 0 || !vorbisCodebooksUsable(data, size)) return false;
  memory_ = {data, size, 0};
  if (!startDecoder()) return false;
  const vorbis_info* info = ov_info(vorbis(file_), -1);
  if (!info || info->channels < 1 || info->rate < 1 || info->rate > kMaxSourceRate) {
    ov_clear(vorbis(file_));
    return false;
  }
  open_ = true;
  sourceRate_ = int(info->rate);
  sourceChannels_ = info->channels;
  step_ = double(sourceRate_) / double(outputRate);
  phase_ = 0.0;
  chunkFrames_ = chunkPosition_ = 0;
  if (!nextSourceFrame(previous_) || !nextSourceFrame(next_)) {
    close();
    return false;
  }
  return true;
}

void OggLoop::close() {
  if (open_) ov_clear(vorbis(file_));
  open_ = false;
  chunk_ = nullptr;
  chunkFrames_ = chunkPosition_ = 0;
}

void OggLoop::setVolume(std::uint32_t percent) {
  gain_ = float(percent > 100 ? 100 : percent) / 100.0f;
}

bool OggLoop::refill() {
  const long shortestLoop = std::max(1L, long(sourceRate_ * kShortestLoopSeconds));
  for (int errors = 0; errors < kMaxErrors;) {
    int section = 0;
    const long got = ov_read_float(vorbis(file_), &chunk_, 4096, &section);
    if (got > 0) {
      const vorbis_info* info = ov_info(vorbis(file_), section);
      // A chained stream that changes its layout midway is not played on.
      if (!info || info->channels != sourceChannels_) return false;
      chunkFrames_ = got;
      chunkPosition_ = 0;
      passFrames_ += got;
      return true;
    }
    if (got == 0) {
      // The end: play again from the start, unless the pass was too short.
      if (passFrames_ < shortestLoop) return false;
      ov_clear(vorbis(file_));
      open_ = startDecoder();
      if (!open_) return false;
      continue;
    }
    ++errors;  // a hole or a bad packet: decoding goes on after it
  }
  return false;
}

bool OggLoop::nextSourceFrame(float (&frame)[2]) {
  if (chunkPosition_ >= chunkFrames_ && !refill()) return false;
  frame[0] = chunk_[0][chunkPosition_];
  frame[1] = sourceChannels_ > 1 ? chunk_[1][chunkPosition_] : frame[0];
  ++chunkPosition_;
  return true;
}

std::size_t OggLoop::read(std::int16_t* out, std::size_t frames) {
  if (!open_) return 0;
  for (std::size_t i = 0; i < frames; ++i) {
    for (int c = 0; c < 2; ++c) {
      float value = (previous_[c] + float(phase_) * (next_[c] - previous_[c])) * gain_;
      if (value > 1.0f) value = 1.0f;
      if (value < -1.0f) value = -1.0f;
      out[2 * i + c] = std::int16_t(value * 32767.0f);
    }
    phase_ += step_;
    while (phase_ >= 1.0) {
      phase_ -= 1.0;
      previous_[0] = next_[0];
      previous_[1] = next_[1];
      if (!nextSourceFrame(next_)) {
        close();
        return i + 1;
      }
    }
  }
  return frames;
}
