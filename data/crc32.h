#pragma once
// crc32.h -- CRC-32 as RAR archives store it

#include <cstddef>
#include <cstdint>

// CRC-32 (IEEE 802.3, reflected), as RAR archives store it for each member.
std::uint32_t crc32(const unsigned char* bytes, std::size_t count);
