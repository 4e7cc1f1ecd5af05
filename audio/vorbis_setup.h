#pragma once
// vorbis_setup.h -- the check that a Vorbis stream's codebooks are ones the decoder can use

#include <cstddef>

// Whether the setup header of every Vorbis stream in an Ogg file declares
// codebooks that the decoder can use. The decoder library (1.3.7) takes
// books it cannot build, and then divides by their dimension while it
// decodes audio: a book whose codeword lengths do not make a complete prefix
// code (it fails to build it once, and on the next packet decodes with the
// books after it left empty), or a book of dimension 0. Such a stream, and a
// setup header that breaks off or is malformed, is refused here before the
// library sees it.
bool vorbisCodebooksUsable(const unsigned char* data, std::size_t size);
