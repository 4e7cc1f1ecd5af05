// texture_list_fuzz.cpp -- fuzz target: the texture list and the images it names
// Fuzz target: the texture list and the images it names, decoded and
// uploaded on a headless context as the saver loads its catalogue. The
// input is "texture.txt" followed by image members (see input_members.h).
#include <cstdint>

#include "data/texture_catalogue.h"
#include "fuzz/headless_gl.h"
#include "fuzz/input_members.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  makeFuzzContextCurrent();
  useAsDataArchive(splitInputMembers(data, size, "texture.txt"));
  const GlNamesSince names;
  TextureCatalogue catalogue;
  loadTextureCatalogue(catalogue, "texture.txt", true);
  catalogue.deleteAll();
  return 0;
}
