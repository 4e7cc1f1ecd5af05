#pragma once
// archive.h -- the data archive (RAR): members found by name and read whole

#include <cstddef>
#include <cstdint>
#include <string>

// The data archive (RAR) that every DataFile reads from; "data.sdd" in the
// current directory unless a host points elsewhere. When that file is
// absent or empty, the loose files of its folder are read instead (see
// setDataFolder), so a folder of a scene's files is data too.
void setDataArchivePath(const char* path);
const char* dataArchivePath();

// Reads the loose files under `folder` instead, whether or not it holds a
// data.sdd: a member is the file whose path relative to the folder matches
// its name by the archive's rules; when several do, the first in the order
// in which sddpack packs them (their names' bytes, "\" as separator).
void setDataFolder(const char* folder);

// Reads the archive from `size` bytes in memory instead, which must stay
// there while members are extracted; setDataArchivePath goes back to a file.
void setDataArchiveMemory(const unsigned char* bytes, std::size_t size);

// Extracts the first member whose name matches without regard to case, "\"
// and "/" counting as equal, into a new malloc'ed buffer. Fails (no buffer,
// size 0) on any error, a CRC mismatch included. Loose files follow the
// same rules.
bool extractMember(const char* member, unsigned char*& data, std::uint32_t& size);

// Whether the data holds the member, readable or not.
bool memberExists(const char* member);

// Where an author finds the member: its loose file (or where it would be)
// under the data's folder when the data is loose files, else its name with
// "/" separators.
std::string memberDisplayPath(const char* member);

// Whether `folder` holds a data.sdd that is not empty: the data it gives is
// that archive, whatever loose files lie beside it.
bool folderHoldsArchive(const std::string& folder);

// Whether `folder` holds a scene: a data.sdd that is not empty, or else a
// "worlds.txt" among its loose files.
bool folderHoldsScene(const std::string& folder);

// Why `folder` cannot give a scene: "no data folder F", or "no data archive
// F/data.sdd (absent or empty) and no worlds.txt in F"; empty when it holds
// one (folderHoldsScene).
std::string missingArchiveReason(const std::string& folder);
