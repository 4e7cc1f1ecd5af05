#pragma once
// loose_files.h -- a folder of a scene's files read as the archive would be: members by name

#include <cstdint>
#include <filesystem>
#include <string>

// The file under `folder` that `member` names: its path relative to the
// folder matches the name without regard to case, "\" and "/" counting as
// equal; of several, the first in the order sddpack packs them (the names'
// bytes with "\" as separator). Empty when there is none.
std::filesystem::path findLooseFile(const std::string& folder, const char* member);

// Reads the file whole into a new malloc'ed buffer; false (no buffer, size
// 0) when it cannot be read or is too large to be data of ours.
bool readLooseFile(const std::filesystem::path& path, unsigned char*& data, std::uint32_t& size);
