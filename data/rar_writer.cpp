// rar_writer.cpp -- writes RAR 2.x archives of stored members (the packer, test fixtures)
#include "data/rar_writer.h"

#include <fstream>

#include "data/crc32.h"

namespace {

constexpr unsigned char kMarker[7] = {0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x00};
constexpr unsigned char kMainHeader = 0x73, kFileHeader = 0x74, kEndHeader = 0x7B;
constexpr std::uint16_t kLongBlock = 0x8000, kEndNoMoreVolumes = 0x4000;
constexpr unsigned char kHostFatAttributes = 2, kVersion20 = 20, kMethodStore = 0x30;
constexpr std::uint32_t kArchiveAttribute = 0x20;
// 2026-01-01 00:00:00 as a DOS date and time: the same input, the same bytes.
constexpr std::uint32_t kFixedDosTime = ((2026u - 1980u) << 25) | (1u << 21) | (1u << 16);

void put16(std::vector<unsigned char>& out, std::uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}

void put32(std::vector<unsigned char>& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

// Appends a block header whose body (everything after HEAD_TYPE and the
// flags and size) is given; the header CRC covers type to end.
void putHeader(std::vector<unsigned char>& out, unsigned char type, std::uint16_t flags,
               const std::vector<unsigned char>& body) {
  std::vector<unsigned char> header;
  header.push_back(type);
  put16(header, flags);
  put16(header, std::uint32_t(2 + header.size() + 2 + body.size()));
  header.insert(header.end(), body.begin(), body.end());
  put16(out, crc32(header.data(), header.size()) & 0xFFFF);
  out.insert(out.end(), header.begin(), header.end());
}

}  // namespace

std::vector<unsigned char> buildRarArchive(const std::vector<RarMember>& members) {
  std::vector<unsigned char> out(kMarker, kMarker + sizeof kMarker);
  putHeader(out, kMainHeader, 0, std::vector<unsigned char>(6, 0));
  for (const RarMember& member : members) {
    std::vector<unsigned char> body;
    const auto size = std::uint32_t(member.bytes.size());
    put32(body, size);  // packed size: stored
    put32(body, size);
    body.push_back(kHostFatAttributes);  // host system 2: attributes in the FAT form
    put32(body, crc32(member.bytes.data(), member.bytes.size()));
    put32(body, kFixedDosTime);
    body.push_back(kVersion20);
    body.push_back(kMethodStore);
    put16(body, std::uint32_t(member.name.size()));
    put32(body, kArchiveAttribute);
    body.insert(body.end(), member.name.begin(), member.name.end());
    putHeader(out, kFileHeader, kLongBlock, body);
    out.insert(out.end(), member.bytes.begin(), member.bytes.end());
  }
  putHeader(out, kEndHeader, kEndNoMoreVolumes, {});
  return out;
}

bool writeRarArchive(const std::string& path, const std::vector<RarMember>& members) {
  const std::vector<unsigned char> bytes = buildRarArchive(members);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(file);
}
