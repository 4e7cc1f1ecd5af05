// checksum_fixes.cpp -- Ogg page and RAR header checksums of fuzz inputs set right
#include "fuzz/checksum_fixes.h"

#include <ogg/ogg.h>

#include <cstring>

#include "data/crc32.h"

namespace {

std::uint32_t le16(const std::uint8_t* p) { return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8; }

std::uint32_t le32(const std::uint8_t* p) { return le16(p) | le16(p + 2) << 16; }

}  // namespace

void fixOggPageChecksums(std::vector<std::uint8_t>& bytes) {
  constexpr std::size_t kHeader = 27;
  std::size_t at = 0;
  while (at + kHeader <= bytes.size()) {
    if (std::memcmp(&bytes[at], "OggS", 4) != 0) {
      ++at;
      continue;
    }
    const std::size_t segments = bytes[at + 26];
    if (at + kHeader + segments > bytes.size()) return;
    std::size_t body = 0;
    for (std::size_t i = 0; i < segments; ++i) body += bytes[at + kHeader + i];
    const std::size_t length = kHeader + segments + body;
    if (at + length > bytes.size()) return;
    ogg_page page;
    page.header = &bytes[at];
    page.header_len = long(kHeader + segments);
    page.body = &bytes[at] + page.header_len;
    page.body_len = long(body);
    ogg_page_checksum_set(&page);
    at += length;
  }
}

void fixRarHeaderChecksums(std::vector<std::uint8_t>& bytes) {
  constexpr std::size_t kSignature = 7, kBlockHead = 7;
  constexpr std::uint32_t kLongBlock = 0x8000;
  std::size_t at = kSignature;
  while (at + kBlockHead <= bytes.size()) {
    const std::uint32_t flags = le16(&bytes[at + 3]), size = le16(&bytes[at + 5]);
    if (size < kBlockHead || at + size > bytes.size()) return;
    const std::uint32_t crc = crc32(&bytes[at + 2], size - 2);
    bytes[at] = std::uint8_t(crc);
    bytes[at + 1] = std::uint8_t(crc >> 8);
    std::size_t next = at + size;
    if ((flags & kLongBlock) && size >= 11) next += le32(&bytes[at + 7]);
    at = next;
  }
}
