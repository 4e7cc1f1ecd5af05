#pragma once

#include <cstdint>
#include <string>

// The data archive (RAR) that every DataFile reads from; "data.sdd" in the
// current directory unless a host points elsewhere.
void setDataArchivePath(const char* path);
const char* dataArchivePath();

// Extracts the first member whose name matches without regard to case, "\"
// and "/" counting as equal, into a new malloc'ed buffer. Fails (no buffer,
// size 0) on any error, a CRC mismatch included.
bool extractMember(const char* member, unsigned char*& data, std::uint32_t& size);

// Why `folder` cannot give a scene: "no data folder F" or "no data archive
// F/data.sdd" (absent or empty); empty when the archive is there.
std::string missingArchiveReason(const std::string& folder);
