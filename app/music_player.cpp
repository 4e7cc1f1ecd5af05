// music_player.cpp -- the looping music track, played through waveOut on a thread of its own
#include "app/music_player.h"

#include <mmsystem.h>

MusicPlayer::~MusicPlayer() { free(); }

bool MusicPlayer::init(HWND, unsigned rate) {
  free();
  if (rate == 0) return false;
  bufferDone_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  if (!bufferDone_) return false;
  WAVEFORMATEX format = {};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 2;
  format.nSamplesPerSec = rate;
  format.wBitsPerSample = 16;
  format.nBlockAlign = 4;
  format.nAvgBytesPerSec = rate * 4;
  if (waveOutOpen(&device_, WAVE_MAPPER, &format, DWORD_PTR(bufferDone_), 0, CALLBACK_EVENT) !=
      MMSYSERR_NOERROR) {
    device_ = nullptr;
    return false;
  }
  rate_ = rate;
  return true;
}

void MusicPlayer::start() {
  if (device_) waveOutRestart(device_);
}

void MusicPlayer::pause() {
  if (device_) waveOutPause(device_);
}

void MusicPlayer::setVolume(std::uint32_t percent) { master_ = percent > 100 ? 100 : percent; }

bool MusicPlayer::loadSample(const unsigned char* data, std::size_t size) {
  sample_ = data;
  sampleSize_ = size;
  loaded_ = device_ && decoder_.open(data, size, rate_);
  return loaded_;
}

void MusicPlayer::playLooped(std::uint32_t volume) {
  if (!loaded_ || thread_.joinable()) return;
  if (!decoder_.isOpen() && !decoder_.open(sample_, sampleSize_, rate_)) return;
  decoder_.setVolume((volume > 100 ? 100 : volume) * master_ / 100);
  stopping_ = false;
  thread_ = std::thread(&MusicPlayer::play, this);
}

// Keeps every buffer queued, each refilled as soon as the device is done
// with it, until stop() or the end of a sample that cannot be decoded.
void MusicPlayer::play() {
  for (int i = 0; i < kBuffers; ++i) {
    headers_[i] = WAVEHDR{};
    headers_[i].lpData = reinterpret_cast<LPSTR>(pcm_[i]);
    headers_[i].dwBufferLength = DWORD(sizeof pcm_[i]);
    headers_[i].dwFlags = WHDR_DONE;  // free for the first fill
  }
  bool decoding = true;
  while (!stopping_) {
    int queued = 0;
    for (int i = 0; i < kBuffers && !stopping_; ++i) {
      WAVEHDR& header = headers_[i];
      if (!(header.dwFlags & WHDR_DONE)) {
        ++queued;
        continue;
      }
      if (header.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(device_, &header, sizeof header);
      if (!decoding) continue;
      const std::size_t frames = decoder_.read(pcm_[i], kFramesPerBuffer);
      if (frames == 0) {
        decoding = false;
        continue;
      }
      header.dwBufferLength = DWORD(frames * 4);
      header.dwFlags = 0;
      if (waveOutPrepareHeader(device_, &header, sizeof header) != MMSYSERR_NOERROR ||
          waveOutWrite(device_, &header, sizeof header) != MMSYSERR_NOERROR) {
        header.dwFlags |= WHDR_DONE;
        decoding = false;
        continue;
      }
      ++queued;
      if (frames < kFramesPerBuffer) decoding = false;
    }
    if (!decoding && queued == 0) break;
    WaitForSingleObject(bufferDone_, 100);
  }
}

void MusicPlayer::stop() {
  stopping_ = true;
  if (bufferDone_) SetEvent(bufferDone_);
  if (thread_.joinable()) thread_.join();
  if (!device_) return;
  waveOutReset(device_);
  for (WAVEHDR& header : headers_)
    if (header.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(device_, &header, sizeof header);
}

void MusicPlayer::free() {
  stop();
  decoder_.close();
  loaded_ = false;
  if (device_) waveOutClose(device_);
  device_ = nullptr;
  if (bufferDone_) CloseHandle(bufferDone_);
  bufferDone_ = nullptr;
}
