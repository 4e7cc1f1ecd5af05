// pulse_music.cpp -- the looping music track, played through PulseAudio on a thread of its own
#include "x11/pulse_music.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "audio/ogg_loop.h"

namespace {

constexpr unsigned kRate = 44100;
constexpr std::size_t kFramesPerWrite = kRate / 20;  // 50 ms

}  // namespace

// Shared by the player and its thread, so that a thread still stuck in the
// server when the player gives up on it owns everything it touches.
struct PulseMusic::Playback {
  std::vector<unsigned char> track;
  std::uint32_t volume = 100;
  std::atomic<bool> stopping{false};
  std::atomic<bool> paused{false};
  std::mutex mutex;
  std::condition_variable finished;
  std::condition_variable wake;  // paused or stopping changed
  bool done = false;

  void play() {
    OggLoop decoder;
    if (decoder.open(track.data(), track.size(), kRate)) {
      decoder.setVolume(volume);
      playTo(decoder);
    }
    std::lock_guard<std::mutex> lock(mutex);
    done = true;
    finished.notify_all();
  }

  // A stream for each stretch between pauses.
  void playTo(OggLoop& decoder) {
    std::vector<std::int16_t> pcm(kFramesPerWrite * 2);
    bool playing = true;
    while (playing && waitUntilWanted()) {
      pa_simple* stream = openStream();
      if (!stream) return;
      int error = 0;
      while (playing && !stopping && !paused) {
        const std::size_t frames = decoder.read(pcm.data(), kFramesPerWrite);
        playing = frames > 0 && pa_simple_write(stream, pcm.data(), frames * 4, &error) >= 0;
      }
      pa_simple_flush(stream, &error);
      pa_simple_free(stream);
    }
  }

  // False once stopping.
  bool waitUntilWanted() {
    std::unique_lock<std::mutex> lock(mutex);
    wake.wait(lock, [this] { return stopping || !paused; });
    return !stopping;
  }

  static pa_simple* openStream() {
    const pa_sample_spec spec = {PA_SAMPLE_S16LE, kRate, 2};
    // A short server buffer keeps every write, and so the stop, prompt.
    pa_buffer_attr buffer;
    buffer.maxlength = std::uint32_t(-1);
    buffer.tlength = std::uint32_t(kFramesPerWrite * 4 * 4);
    buffer.prebuf = std::uint32_t(-1);
    buffer.minreq = std::uint32_t(-1);
    buffer.fragsize = std::uint32_t(-1);
    int error = 0;
    return pa_simple_new(nullptr, "Orbivane", PA_STREAM_PLAYBACK, nullptr, "Music", &spec,
                         nullptr, &buffer, &error);
  }
};

PulseMusic::~PulseMusic() { stop(); }

void PulseMusic::start(const unsigned char* data, std::size_t size, std::uint32_t volume) {
  stop();
  if (!data || size == 0) return;
  auto playback = std::make_shared<Playback>();
  playback->track.assign(data, data + size);
  playback->volume = volume;
  std::thread([playback] { playback->play(); }).detach();
  playback_ = playback;
}

void PulseMusic::pause() { setPaused(true); }
void PulseMusic::resume() { setPaused(false); }

void PulseMusic::setPaused(bool paused) {
  if (!playback_) return;
  std::lock_guard<std::mutex> lock(playback_->mutex);
  playback_->paused = paused;
  playback_->wake.notify_all();
}

void PulseMusic::stop() {
  if (!playback_) return;
  std::unique_lock<std::mutex> lock(playback_->mutex);
  playback_->stopping = true;
  playback_->wake.notify_all();
  playback_->finished.wait_for(lock, std::chrono::milliseconds(500),
                               [this] { return playback_->done; });
  lock.unlock();
  playback_.reset();
}
