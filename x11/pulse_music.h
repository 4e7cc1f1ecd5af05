#pragma once
// pulse_music.h -- the looping music track, played through PulseAudio on a thread of its own

#include <cstddef>
#include <cstdint>
#include <memory>

// Every step fails quietly: without a server, a device or a playable track
// the music stays silent, and stop() returns within about half a second
// whatever the server does.
class PulseMusic {
 public:
  PulseMusic() = default;
  ~PulseMusic();
  PulseMusic(const PulseMusic&) = delete;
  PulseMusic& operator=(const PulseMusic&) = delete;

  // Plays a copy of the Ogg Vorbis track in a loop at `volume` percent of full scale.
  void start(const unsigned char* data, std::size_t size, std::uint32_t volume);
  // The track rests where it is and its stream closes, so the sound device
  // may sleep; resume() plays on from there.
  void pause();
  void resume();
  void stop();

 private:
  struct Playback;
  void setPaused(bool paused);
  std::shared_ptr<Playback> playback_;
};
