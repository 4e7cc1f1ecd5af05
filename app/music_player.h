#pragma once
// music_player.h -- the looping music track, played through waveOut on a thread of its own

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <thread>

#include "audio/ogg_loop.h"

// Plays one Ogg Vorbis sample from memory in a loop through waveOut, on a
// thread of its own. Every step fails quietly: without a device or with a
// bad sample the player stays silent, and stop() always returns promptly.
class MusicPlayer {
 public:
  MusicPlayer() = default;
  ~MusicPlayer();
  MusicPlayer(const MusicPlayer&) = delete;
  MusicPlayer& operator=(const MusicPlayer&) = delete;

  // Opens the output device: 16-bit stereo at `rate`.
  bool init(HWND window, unsigned rate);
  void start();
  // Master level, 0-100 percent.
  void setVolume(std::uint32_t percent);
  // The sample's bytes must stay allocated until free().
  bool loadSample(const unsigned char* data, std::size_t size);
  // Plays the sample from the start, looped, at `volume` percent of the master level.
  void playLooped(std::uint32_t volume);
  // Holds playback where it is; start() goes on from there.
  void pause();
  void stop();
  void free();

  bool playing() const { return thread_.joinable(); }

 private:
  void play();

  static constexpr int kBuffers = 4;
  static constexpr std::size_t kFramesPerBuffer = 4410;  // 100 ms at 44100 Hz

  HWAVEOUT device_ = nullptr;
  HANDLE bufferDone_ = nullptr;
  unsigned rate_ = 44100;
  std::uint32_t master_ = 100;
  bool loaded_ = false;
  const unsigned char* sample_ = nullptr;
  std::size_t sampleSize_ = 0;
  OggLoop decoder_;
  WAVEHDR headers_[kBuffers] = {};
  std::int16_t pcm_[kBuffers][kFramesPerBuffer * 2] = {};
  std::thread thread_;
  std::atomic<bool> stopping_{false};
};
