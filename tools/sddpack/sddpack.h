#pragma once
// sddpack.h -- sddpack: packs a folder into a data archive, and lists or checks one

#include <iosfwd>
#include <string>
#include <vector>

#include "data/rar_writer.h"

// sddpack: packs a folder into a data archive, lists an archive's members and
// extracts one member through the saver's own reader.

// Every regular file under `dir` (recursively), named relative to it with "\"
// separators and sorted by name. The file `skip` (the archive being written)
// is left out when it lies inside `dir`.
bool collectMembers(const std::string& dir, const std::string& skip,
                    std::vector<RarMember>& members, std::string& error);

// The members' names in archive order, with "\" separators.
bool listMembers(const std::string& archive, std::vector<std::string>& names,
                 std::string& error);

// The command line: "create ARCHIVE DIR", "list ARCHIVE" or
// "extract ARCHIVE MEMBER". Returns the exit status; member bytes and names,
// and the scene check's summary after "create" of a folder that holds a
// scene (a worlds.txt), go to `out`, messages to `err`.
int runSddpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
