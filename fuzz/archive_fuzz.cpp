// archive_fuzz.cpp -- fuzz target: member lookup over arbitrary archive bytes
// Fuzz target: member lookup over arbitrary archive bytes (the reader's
// block walk, our CRC check of the entry), each member found read through.
// Block header checksums are set right first; members' CRCs are not.
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "data/archive.h"
#include "data/data_file.h"
#include "fuzz/checksum_fixes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> archive(data, data + size);
  fixRarHeaderChecksums(archive);
  setDataArchiveMemory(archive.data(), archive.size());
  // Names of the default scene in the forms the saver asks for them.
  for (const char* name : {"texture.txt", "meshes\\sphere.dat", "textures\\rock.jpg",
                           "music.ogg", "worlds.txt"}) {
    DataFile file;
    if (!file.open(name)) continue;
    char line[kLineCapacity];
    while (file.readLine(line)) {
    }
  }
  return 0;
}
