// tga_fuzz.cpp -- fuzz target: the TGA decoder over one image member
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "data/data_file.h"
#include "data/tga_decoder.h"
#include "fuzz/fuzz_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The member as DataFile::open leaves it: a buffer of exactly its size.
  DataFile file;
  file.data = static_cast<unsigned char*>(std::malloc(size ? size : 1));
  std::memcpy(file.data, data, size);
  file.size = std::uint32_t(size);
  TgaImage image;
  decodeTgaFile(file, image, kFuzzMaxTextureSide);
  return 0;
}
