// input_members.cpp -- one fuzz input split into archive members
#include "fuzz/input_members.h"

#include <cstring>
#include <string>

#include "data/archive.h"

namespace {

constexpr std::size_t kMarkerLength = sizeof kMemberMarker - 1;

bool markerAt(const std::uint8_t* data, std::size_t size, std::size_t at) {
  return (at == 0 || data[at - 1] == '\n') && size - at >= kMarkerLength &&
         std::memcmp(data + at, kMemberMarker, kMarkerLength) == 0;
}

}  // namespace

std::vector<RarMember> splitInputMembers(const std::uint8_t* data, std::size_t size,
                                         const char* firstName) {
  std::vector<RarMember> members(1);
  members[0].name = firstName;
  std::size_t at = 0;
  while (at < size) {
    if (!markerAt(data, size, at)) {
      const std::uint8_t* lineEnd =
          static_cast<const std::uint8_t*>(std::memchr(data + at, '\n', size - at));
      const std::size_t next = lineEnd ? std::size_t(lineEnd - data) + 1 : size;
      members.back().bytes.insert(members.back().bytes.end(), data + at, data + next);
      at = next;
      continue;
    }
    const std::size_t nameStart = at + kMarkerLength;
    std::size_t nameEnd = nameStart;
    while (nameEnd < size && data[nameEnd] != '\n') ++nameEnd;
    members.push_back({std::string(data + nameStart, data + nameEnd), {}});
    at = nameEnd < size ? nameEnd + 1 : size;
  }
  return members;
}

std::vector<unsigned char> joinInputMembers(const std::vector<RarMember>& members) {
  std::vector<unsigned char> out;
  for (std::size_t i = 0; i < members.size(); ++i) {
    if (i > 0) {
      if (!out.empty() && out.back() != '\n') out.push_back('\n');
      const std::string line = kMemberMarker + members[i].name + "\n";
      out.insert(out.end(), line.begin(), line.end());
    }
    out.insert(out.end(), members[i].bytes.begin(), members[i].bytes.end());
  }
  return out;
}

void useAsDataArchive(const std::vector<RarMember>& members) {
  static std::vector<unsigned char> archive;
  archive = buildRarArchive(members);
  setDataArchiveMemory(archive.data(), archive.size());
}
