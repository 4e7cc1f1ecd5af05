#pragma once
// ogg_loop.h -- an Ogg Vorbis stream in memory decoded to looping 16-bit stereo at a fixed rate

#include <cstddef>
#include <cstdint>

// The bytes the decoder reads from.
struct OggMemorySource {
  const unsigned char* data = nullptr;
  std::size_t size = 0;
  std::size_t position = 0;
};

// Decodes an Ogg Vorbis stream held in memory into interleaved 16-bit stereo
// at a fixed output rate (resampled linearly, mono doubled, channels past
// the second dropped), starting again from the beginning when it ends; a
// stream of less than 50 ms plays once.
class OggLoop {
 public:
  OggLoop();
  ~OggLoop();
  OggLoop(const OggLoop&) = delete;
  OggLoop& operator=(const OggLoop&) = delete;

  // The buffer must outlive the loop. False for anything that is not a
  // playable Vorbis stream, and for sample rates above 192 kHz.
  bool open(const unsigned char* data, std::size_t size, unsigned outputRate);
  void close();
  bool isOpen() const { return open_; }

  // 0-100 percent; applied to every sample written.
  void setVolume(std::uint32_t percent);

  // Writes up to `frames` stereo frames; fewer only when the stream cannot
  // be decoded any further (it never ends for a sound stream, which loops).
  std::size_t read(std::int16_t* out, std::size_t frames);

  int sourceRate() const { return sourceRate_; }
  int sourceChannels() const { return sourceChannels_; }

 private:
  bool startDecoder();
  bool nextSourceFrame(float (&frame)[2]);
  bool refill();

  OggMemorySource memory_;
  void* file_;  // OggVorbis_File
  bool open_ = false;
  int sourceRate_ = 0;
  int sourceChannels_ = 0;
  double step_ = 1.0;   // source frames per output frame
  double phase_ = 0.0;  // position between previous_ and next_
  float previous_[2] = {0, 0};
  float next_[2] = {0, 0};
  float** chunk_ = nullptr;  // decoder's buffer, one array per channel
  long chunkFrames_ = 0;
  long chunkPosition_ = 0;
  long passFrames_ = 0;  // decoded since the stream last started
  float gain_ = 1.0f;
};
