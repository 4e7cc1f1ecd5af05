#pragma once
// archive.h -- the data archive (RAR): members found by name and read whole

#include <cstddef>
#include <cstdint>
#include <string>

// The data archive (RAR) that every DataFile reads from; "data.sdd" in the
// current directory unless a host points elsewhere.
void setDataArchivePath(const char* path);
const char* dataArchivePath();

// Reads the archive from `size` bytes in memory instead, which must stay
// there while members are extracted; setDataArchivePath goes back to a file.
void setDataArchiveMemory(const unsigned char* bytes, std::size_t size);

// Extracts the first member whose name matches without regard to case, "\"
// and "/" counting as equal, into a new malloc'ed buffer. Fails (no buffer,
// size 0) on any error, a CRC mismatch included.
bool extractMember(const char* member, unsigned char*& data, std::uint32_t& size);

// Why `folder` cannot give a scene: "no data folder F" or "no data archive
// F/data.sdd" (absent or empty); empty when the archive is there.
std::string missingArchiveReason(const std::string& folder);
