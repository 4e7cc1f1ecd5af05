#pragma once
// music.h -- the default scene's ambient music, rendered and encoded as Ogg Vorbis

#include <vector>

// The ambient track: slow pad chords and soft bells, stereo, 44.1 kHz,
// `seconds` long, rendered so that its end flows into its start.
std::vector<float> composeMusic(int seconds);

// Ogg Vorbis bytes of interleaved stereo samples in -1..1.
std::vector<unsigned char> encodeVorbis(const std::vector<float>& stereo, int sampleRate);
