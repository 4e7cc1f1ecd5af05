// jpeg_fuzz.cpp -- fuzz target: the JPEG decoder over one image member
// Fuzz target: the JPEG decoder over one image member in memory, its
// library's error exits included.
#include <cstdint>

#include "data/jpeg_decoder.h"
#include "fuzz/fuzz_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  DecodedImage image;
  decodeJpegMemory(data, size, image, kFuzzMaxTextureSide);
  return 0;
}
