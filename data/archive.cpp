#include "data/archive.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "data/crc32.h"

namespace {

std::string archivePath = "data.sdd";
bool archiveInMemory = false;
const unsigned char* archiveBytes = nullptr;
std::size_t archiveSize = 0;

// Members larger than this are not data of ours.
constexpr std::int64_t kMaxMemberSize = std::int64_t(1) << 30;

char folded(char c) {
  if (c == '\\') return '/';
  if (c >= 'A' && c <= 'Z') return char(c - 'A' + 'a');
  return c;
}

bool sameMemberName(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b)
    if (folded(*a) != folded(*b)) return false;
  return *a == *b;
}

// The archive's bytes at any offset, from the file or from memory.
class ArchiveBytes {
 public:
  ArchiveBytes() {
    if (!archiveInMemory) file_.open(archivePath, std::ios::binary);
  }

  // Copies up to `count` bytes from `offset`; returns how many there were.
  std::size_t readAt(std::int64_t offset, unsigned char* out, std::size_t count) {
    if (offset < 0) return 0;
    if (archiveInMemory) {
      if (std::uint64_t(offset) >= archiveSize) return 0;
      const std::size_t n = std::min(count, archiveSize - std::size_t(offset));
      std::memcpy(out, archiveBytes + offset, n);
      return n;
    }
    file_.clear();
    file_.seekg(std::streamoff(offset));
    file_.read(reinterpret_cast<char*>(out), std::streamsize(count));
    return std::size_t(file_.gcount());
  }

 private:
  std::ifstream file_;
};

// The reader does not check the CRC of stored members, so we do: from the
// offset where the reader began the entry, walk the archive's blocks (the
// signature is itself a 7-byte block) to the file block and take its CRC.
bool storedCrcOfEntry(std::int64_t offset, std::uint32_t& crc) {
  constexpr unsigned char kFileBlock = 0x74, kEndBlock = 0x7B;
  constexpr unsigned kLongBlock = 0x8000;
  ArchiveBytes archive;
  for (int blocks = 0; blocks < 4096; ++blocks) {
    unsigned char head[20] = {};
    const std::size_t got = archive.readAt(offset, head, sizeof head);
    if (got < 7) return false;
    const unsigned type = head[2], flags = head[3] | head[4] << 8, size = head[5] | head[6] << 8;
    if (type == kEndBlock || size < 7) return false;
    if (type == kFileBlock) {
      if (got < 20) return false;
      crc = std::uint32_t(head[16]) | std::uint32_t(head[17]) << 8 |
            std::uint32_t(head[18]) << 16 | std::uint32_t(head[19]) << 24;
      return true;
    }
    std::int64_t added = 0;
    if ((flags & kLongBlock) && got >= 11)
      added = std::int64_t(head[7]) | std::int64_t(head[8]) << 8 | std::int64_t(head[9]) << 16 |
              std::int64_t(head[10]) << 24;
    offset += size + added;
  }
  return false;
}

// The buffer grows with the bytes that arrive, never ahead of them: a
// header may declare any size, and only the data can make it good.
bool readWhole(archive* reader, std::int64_t expected, unsigned char*& data, std::uint32_t& size) {
  if (expected < 0 || expected > kMaxMemberSize) return false;
  unsigned char* buffer = nullptr;
  std::int64_t capacity = 0, filled = 0;
  unsigned char chunk[16 * 1024];
  bool good = true;
  // Reading on to the end of the entry is what makes the CRC check happen.
  for (la_ssize_t n; good && (n = archive_read_data(reader, chunk, sizeof chunk)) != 0;) {
    good = n > 0 && n <= expected - filled;
    if (good && filled + n > capacity) {
      capacity = std::min(expected, std::max(2 * capacity, filled + n));
      auto* grown = static_cast<unsigned char*>(std::realloc(buffer, std::size_t(capacity)));
      good = grown != nullptr;
      if (grown) buffer = grown;
    }
    if (good) {
      std::memcpy(buffer + filled, chunk, std::size_t(n));
      filled += n;
    }
  }
  if (good && !buffer) buffer = static_cast<unsigned char*>(std::malloc(1));  // an empty member
  if (!good || !buffer || filled != expected) {
    std::free(buffer);
    return false;
  }
  data = buffer;
  size = std::uint32_t(expected);
  return true;
}

}  // namespace

void setDataArchivePath(const char* path) {
  archivePath = path;
  archiveInMemory = false;
}

void setDataArchiveMemory(const unsigned char* bytes, std::size_t size) {
  archiveInMemory = true;
  archiveBytes = bytes;
  archiveSize = bytes ? size : 0;
}

const char* dataArchivePath() { return archivePath.c_str(); }

bool extractMember(const char* member, unsigned char*& data, std::uint32_t& size) {
  data = nullptr;
  size = 0;
  archive* reader = archive_read_new();
  if (!reader) return false;
  archive_read_support_format_rar(reader);
  bool found = false;
  const int opened = archiveInMemory
                         ? archive_read_open_memory(reader, archiveBytes, archiveSize)
                         : archive_read_open_filename(reader, archivePath.c_str(), 64 * 1024);
  if (opened == ARCHIVE_OK) {
    archive_entry* entry = nullptr;
    while (archive_read_next_header(reader, &entry) == ARCHIVE_OK) {
      const char* entryName = archive_entry_pathname(entry);
      if (!entryName || !sameMemberName(entryName, member)) continue;
      const std::int64_t headerAt = archive_read_header_position(reader);
      std::uint32_t expectedCrc = 0;
      if (archive_entry_size_is_set(entry) && storedCrcOfEntry(headerAt, expectedCrc) &&
          readWhole(reader, archive_entry_size(entry), data, size)) {
        found = crc32(data, size) == expectedCrc;
        if (!found) {
          std::free(data);
          data = nullptr;
          size = 0;
        }
      }
      break;
    }
  }
  archive_read_free(reader);
  return found;
}
