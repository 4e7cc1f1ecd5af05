// vorbis_setup.cpp -- the check that a Vorbis stream's codebooks are ones the decoder can use
#include "audio/vorbis_setup.h"

#include <ogg/ogg.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <list>

namespace {

// Bits of one packet, least significant first, as Vorbis packs them.
class PacketBits {
 public:
  explicit PacketBits(ogg_packet& packet) : total_(std::uint64_t(packet.bytes) * 8) {
    oggpack_readinit(&buffer_, packet.packet, int(packet.bytes));
  }

  // 1 to 32 bits; false once the packet has run out.
  bool read(int bits, std::uint32_t& out) {
    if (left() < std::uint64_t(bits)) return false;
    out = std::uint32_t(oggpack_read(&buffer_, bits));
    return true;
  }

  bool skip(std::uint64_t bits) {
    if (left() < bits) return false;
    while (bits > 0) {
      const int step = bits > 4096 ? 4096 : int(bits);
      oggpack_adv(&buffer_, step);
      bits -= std::uint64_t(step);
    }
    return true;
  }

  std::uint64_t left() { return total_ - std::uint64_t(oggpack_bits(&buffer_)); }

 private:
  oggpack_buffer buffer_;
  std::uint64_t total_;
};

int bitsFor(std::uint32_t value) {
  int bits = 0;
  for (; value > 0; value >>= 1) ++bits;
  return bits;
}

// The number of values of a lattice lookup: the largest r with r^dim <= entries.
std::uint64_t latticeValues(std::uint32_t entries, std::uint32_t dimensions) {
  auto power = [dimensions](std::uint64_t r) {
    std::uint64_t p = 1;
    for (std::uint32_t i = 0; i < dimensions && p <= (std::uint64_t(1) << 32); ++i) p *= r;
    return p;
  };
  std::uint64_t r = std::uint64_t(std::floor(std::pow(double(entries), 1.0 / dimensions)));
  while (r > 0 && power(r) > entries) --r;
  while (power(r + 1) <= entries) ++r;
  return r;
}

// Codeword lengths make a complete prefix code when their Kraft sum, in
// units of 2^-32, is exactly 2^32. The library also takes a book without
// used entries, and one with a single codeword of length 1.
class KraftSum {
 public:
  void add(std::uint32_t length, std::uint64_t entries = 1) {
    sum_ += entries << (32 - length);
    used_ += entries;
  }
  bool complete() const {
    constexpr std::uint64_t kWhole = std::uint64_t(1) << 32;
    return used_ == 0 || sum_ == kWhole || (used_ == 1 && sum_ == kWhole / 2);
  }

 private:
  std::uint64_t sum_ = 0;
  std::uint64_t used_ = 0;
};

bool codebookUsable(PacketBits& bits) {
  std::uint32_t sync, dimensions, entries, ordered;
  if (!bits.read(24, sync) || sync != 0x564342 || !bits.read(16, dimensions) ||
      !bits.read(24, entries) || !bits.read(1, ordered))
    return false;
  if (dimensions == 0) return false;

  // Lengths are stored less one.
  KraftSum kraft;
  std::uint32_t value;
  if (!ordered) {
    std::uint32_t sparse;
    if (!bits.read(1, sparse) || bits.left() < std::uint64_t(entries) * (sparse ? 1 : 5)) return false;
    for (std::uint32_t i = 0; i < entries; ++i) {
      std::uint32_t used = 1;
      if ((sparse && !bits.read(1, used)) || (used && !bits.read(5, value))) return false;
      if (used) kraft.add(value + 1);
    }
  } else {
    std::uint32_t length;
    if (!bits.read(5, length)) return false;
    for (std::uint32_t entry = 0; entry < entries; ++length) {
      if (length > 31 || !bits.read(bitsFor(entries - entry), value) || value > entries - entry)
        return false;
      kraft.add(length + 1, value);
      entry += value;
    }
  }
  if (!kraft.complete()) return false;

  std::uint32_t lookup;
  if (!bits.read(4, lookup)) return false;
  if (lookup == 0) return true;
  if (lookup > 2) return false;
  std::uint32_t valueBits;
  if (!bits.read(32, value) || !bits.read(32, value) || !bits.read(4, valueBits) ||
      !bits.read(1, value))
    return false;
  const std::uint64_t values =
      lookup == 1 ? latticeValues(entries, dimensions) : std::uint64_t(entries) * dimensions;
  return bits.skip(values * (valueBits + 1));
}

bool hasVorbisHeader(const ogg_packet& packet, unsigned char type) {
  return packet.bytes >= 7 && packet.packet[0] == type && std::memcmp(packet.packet + 1, "vorbis", 6) == 0;
}

bool setupUsable(ogg_packet& packet) {
  if (!hasVorbisHeader(packet, 5)) return false;
  PacketBits bits(packet);
  std::uint32_t count;
  if (!bits.skip(7 * 8) || !bits.read(8, count)) return false;  // past the type and "vorbis"
  for (std::uint32_t i = 0; i <= count; ++i)
    if (!codebookUsable(bits)) return false;
  return true;
}

// One logical stream of the file, up to its setup header.
struct LogicalStream {
  ogg_stream_state state;
  int packets = 0;
  bool vorbis = false;
};

}  // namespace

bool vorbisCodebooksUsable(const unsigned char* data, std::size_t size) {
  ogg_sync_state sync;
  ogg_sync_init(&sync);
  char* buffer = ogg_sync_buffer(&sync, long(size));
  if (!buffer) {
    ogg_sync_clear(&sync);
    return false;
  }
  std::memcpy(buffer, data, size);
  ogg_sync_wrote(&sync, long(size));

  std::list<LogicalStream> streams;
  bool usable = true;
  ogg_page page;
  for (int result; usable && (result = ogg_sync_pageout(&sync, &page)) != 0;) {
    if (result < 0) continue;  // bytes skipped to the next page
    if (ogg_page_bos(&page)) {
      streams.emplace_back();
      ogg_stream_init(&streams.back().state, ogg_page_serialno(&page));
    }
    for (LogicalStream& stream : streams) {
      if (stream.state.serialno != ogg_page_serialno(&page) || stream.packets >= 3) continue;
      ogg_stream_pagein(&stream.state, &page);
      ogg_packet packet;
      for (int got; stream.packets < 3 && (got = ogg_stream_packetout(&stream.state, &packet)) != 0;) {
        if (got < 0) continue;  // a hole in the stream
        ++stream.packets;
        if (stream.packets == 1) stream.vorbis = hasVorbisHeader(packet, 1);
        if (stream.packets == 3 && stream.vorbis) usable = setupUsable(packet);
      }
    }
  }
  for (LogicalStream& stream : streams) ogg_stream_clear(&stream.state);
  ogg_sync_clear(&sync);
  return usable;
}
