#pragma once
// rar_writer.h -- writes RAR 2.x archives of stored members (the packer, test fixtures)

#include <cstdint>
#include <string>
#include <vector>

// Writes archives in the RAR 2.x format with stored (uncompressed) members,
// the form the data archive uses: images, meshes and music are compressed
// already. Used by the packer and by tests that build their own fixtures.
struct RarMember {
  std::string name;  // with "\" separators, as the saver names members
  std::vector<unsigned char> bytes;
};

std::vector<unsigned char> buildRarArchive(const std::vector<RarMember>& members);
bool writeRarArchive(const std::string& path, const std::vector<RarMember>& members);
