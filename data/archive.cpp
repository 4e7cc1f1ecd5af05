// archive.cpp -- the data archive (RAR): members found by name and read whole
#include "data/archive.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "data/crc32.h"
#include "data/loose_files.h"
#include "data/member_name.h"

namespace {

std::string archivePath = "data.sdd";
bool archiveInMemory = false;
const unsigned char* archiveBytes = nullptr;
std::size_t archiveSize = 0;
bool looseOnly = false;
std::string looseFolder;

bool nonEmptyFile(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec) && std::filesystem::file_size(path, ec) > 0 && !ec;
}

// The folder whose loose files are the data now, or empty when the data is
// an archive: the one set, or the archive's own folder while the archive
// is absent or empty.
bool readsLooseFiles(std::string& folder) {
  if (archiveInMemory) return false;
  if (looseOnly) {
    folder = looseFolder;
    return true;
  }
  if (nonEmptyFile(archivePath)) return false;
  folder = std::filesystem::path(archivePath).parent_path().string();
  if (folder.empty()) folder = ".";
  return true;
}

// The archive's bytes at any offset, from the file or from memory.
class ArchiveBytes {
 public:
  ArchiveBytes() {
    if (archiveInMemory) return;
    file_.open(archivePath, std::ios::binary | std::ios::ate);
    if (file_) fileSize_ = std::uint64_t(file_.tellg());
  }

  std::uint64_t size() const { return archiveInMemory ? archiveSize : fileSize_; }

  // Copies up to `count` bytes from `offset`; returns how many there were.
  std::size_t readAt(std::uint64_t offset, unsigned char* out, std::size_t count) {
    if (offset >= size()) return 0;
    count = std::size_t(std::min<std::uint64_t>(count, size() - offset));
    if (archiveInMemory) {
      std::memcpy(out, archiveBytes + offset, count);
      return count;
    }
    file_.clear();
    file_.seekg(std::streamoff(offset));
    file_.read(reinterpret_cast<char*>(out), std::streamsize(count));
    return std::size_t(file_.gcount());
  }

 private:
  std::ifstream file_;
  std::uint64_t fileSize_ = 0;
};

// One block of the archive: a header of at least 7 bytes (CRC, type, flags,
// size), for file blocks followed by the member's packed data.
struct Block {
  unsigned type = 0;
  std::uint64_t span = 0;  // header and data
  std::uint32_t fileCrc = 0;
};

constexpr unsigned char kSignature[7] = {0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x00};
constexpr unsigned kFileBlock = 0x74, kSubBlock = 0x7A, kEndBlock = 0x7B;
// Archives of more blocks than this are not data of ours.
constexpr int kMaxBlocks = 65536;

std::uint32_t le32(const unsigned char* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}

// False when the header is cut short or shorter than 7 bytes.
bool readBlock(ArchiveBytes& archive, std::uint64_t offset, Block& block) {
  constexpr unsigned kLongBlock = 0x8000, kLargeFile = 0x0100;
  unsigned char head[36] = {};
  const std::size_t got = archive.readAt(offset, head, sizeof head);
  const unsigned flags = head[3] | head[4] << 8, size = head[5] | head[6] << 8;
  if (got < 7 || size < 7) return false;
  block.type = head[2];
  block.span = size;
  const bool file = block.type == kFileBlock || block.type == kSubBlock;
  if (file || (flags & kLongBlock)) {
    if (got < 11) return false;
    block.span += le32(head + 7);  // for a file: the packed size
  }
  if (file) {
    if (got < 20) return false;
    block.fileCrc = le32(head + 16);
    if (flags & kLargeFile) {
      if (got < 36) return false;
      block.span += std::uint64_t(le32(head + 32)) << 32;
    }
  }
  return true;
}

// Every block from the signature on lies within the archive. The reader
// believes the sizes that headers declare and reserves memory for them, so
// a header that claims more than the archive holds is refused here.
bool blocksWithinArchive(ArchiveBytes& archive) {
  unsigned char signature[sizeof kSignature];
  if (archive.readAt(0, signature, sizeof signature) != sizeof signature ||
      std::memcmp(signature, kSignature, sizeof signature) != 0)
    return false;
  std::uint64_t offset = sizeof kSignature;
  for (int blocks = 0; blocks < kMaxBlocks; ++blocks) {
    Block block;
    if (!readBlock(archive, offset, block)) return true;  // what follows is left to the reader
    if (block.span > archive.size() - offset) return false;
    if (block.type == kEndBlock) return true;
    offset += block.span;
  }
  return false;
}

// The reader does not check the CRC of stored members, so we do: from the
// offset where the reader began the entry, walk the archive's blocks (the
// signature is itself a 7-byte block) to the file block and take its CRC.
bool storedCrcOfEntry(ArchiveBytes& archive, std::uint64_t offset, std::uint32_t& crc) {
  for (int blocks = 0; blocks < kMaxBlocks; ++blocks) {
    Block block;
    if (!readBlock(archive, offset, block) || block.type == kEndBlock) return false;
    if (block.type == kFileBlock) {
      crc = block.fileCrc;
      return true;
    }
    offset += block.span;
  }
  return false;
}

// The buffer grows with the bytes that arrive, never ahead of them: a
// header may declare any size, and only the data can make it good.
bool readWhole(archive* reader, std::int64_t expected, unsigned char*& data, std::uint32_t& size) {
  if (expected < 0 || std::uint64_t(expected) > kMaxMemberBytes) return false;
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

// A RAR reader over the data archive, open at its start; null when it
// cannot be opened.
archive* openArchive() {
  archive* reader = archive_read_new();
  if (!reader) return nullptr;
  archive_read_support_format_rar(reader);
  const int opened = archiveInMemory
                         ? archive_read_open_memory(reader, archiveBytes, archiveSize)
                         : archive_read_open_filename(reader, archivePath.c_str(), 64 * 1024);
  if (opened == ARCHIVE_OK) return reader;
  archive_read_free(reader);
  return nullptr;
}

// Reads headers up to the first entry named `member`; false when none is.
bool seekMember(archive* reader, const char* member, archive_entry*& entry) {
  while (archive_read_next_header(reader, &entry) == ARCHIVE_OK) {
    const char* entryName = archive_entry_pathname(entry);
    if (entryName && sameMemberName(entryName, member)) return true;
  }
  return false;
}

}  // namespace

void setDataArchivePath(const char* path) {
  archivePath = path;
  archiveInMemory = false;
  looseOnly = false;
}

void setDataFolder(const char* folder) {
  looseFolder = folder;
  looseOnly = true;
  archiveInMemory = false;
}

void setDataArchiveMemory(const unsigned char* bytes, std::size_t size) {
  archiveInMemory = true;
  looseOnly = false;
  archiveBytes = bytes;
  archiveSize = bytes ? size : 0;
}

const char* dataArchivePath() { return archivePath.c_str(); }

bool extractMember(const char* member, unsigned char*& data, std::uint32_t& size) {
  data = nullptr;
  size = 0;
  std::string folder;
  if (readsLooseFiles(folder)) {
    const std::filesystem::path file = findLooseFile(folder, member);
    return !file.empty() && readLooseFile(file, data, size);
  }
  ArchiveBytes bytes;
  if (!blocksWithinArchive(bytes)) return false;
  archive* reader = openArchive();
  if (!reader) return false;
  bool found = false;
  archive_entry* entry = nullptr;
  if (seekMember(reader, member, entry)) {
    const std::int64_t headerAt = archive_read_header_position(reader);
    std::uint32_t expectedCrc = 0;
    if (archive_entry_size_is_set(entry) && headerAt >= 0 &&
        storedCrcOfEntry(bytes, std::uint64_t(headerAt), expectedCrc) &&
        readWhole(reader, archive_entry_size(entry), data, size)) {
      found = crc32(data, size) == expectedCrc;
      if (!found) {
        std::free(data);
        data = nullptr;
        size = 0;
      }
    }
  }
  archive_read_free(reader);
  return found;
}

bool memberExists(const char* member) {
  std::string folder;
  if (readsLooseFiles(folder)) return !findLooseFile(folder, member).empty();
  ArchiveBytes bytes;
  if (!blocksWithinArchive(bytes)) return false;
  archive* reader = openArchive();
  if (!reader) return false;
  archive_entry* entry = nullptr;
  const bool found = seekMember(reader, member, entry);
  archive_read_free(reader);
  return found;
}

std::string memberDisplayPath(const char* member) {
  std::string folder;
  const bool loose = readsLooseFiles(folder);
  if (loose) {
    const std::filesystem::path file = findLooseFile(folder, member);
    if (!file.empty()) return file.generic_u8string();
  }
  std::string name = member;
  std::replace(name.begin(), name.end(), '\\', '/');
  return loose && folder != "." ? folder + "/" + name : name;
}

bool folderHoldsArchive(const std::string& folder) { return nonEmptyFile(folder + "/data.sdd"); }

bool folderHoldsScene(const std::string& folder) {
  return folderHoldsArchive(folder) || !findLooseFile(folder, "worlds.txt").empty();
}

std::string missingArchiveReason(const std::string& folder) {
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return "no data folder " + folder;
  if (folderHoldsScene(folder)) return "";
  return "no data archive " + folder + "/data.sdd (absent or empty) and no worlds.txt in " + folder;
}
