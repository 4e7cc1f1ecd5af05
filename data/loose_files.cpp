// loose_files.cpp -- a folder of a scene's files read as the archive would be: members by name
#include "data/loose_files.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "data/member_name.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> splitMember(const char* member) {
  std::vector<std::string> parts(1);
  for (const char* c = member; *c; ++c) {
    if (*c == '\\' || *c == '/')
      parts.emplace_back();
    else
      parts.back() += *c;
  }
  return parts;
}

// Walks down only the folders whose names match, as the packer's walk
// would see them: into real folders (not links to folders), onto files.
void collectMatches(const fs::path& dir, const std::string& name, const std::vector<std::string>& parts,
                    std::size_t depth, std::vector<std::pair<std::string, fs::path>>& found) {
  std::error_code ec;
  const bool last = depth + 1 == parts.size();
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().u8string();
    if (!sameMemberName(entry.c_str(), parts[depth].c_str())) continue;
    const std::string entryName = name.empty() ? entry : name + "\\" + entry;
    std::error_code statusError;
    if (last && it->is_regular_file(statusError))
      found.emplace_back(entryName, it->path());
    else if (!last && it->is_directory(statusError) && !it->is_symlink(statusError))
      collectMatches(it->path(), entryName, parts, depth + 1, found);
  }
}

}  // namespace

fs::path findLooseFile(const std::string& folder, const char* member) {
  const std::vector<std::string> parts = splitMember(member);
  for (const std::string& part : parts)
    if (part.empty()) return {};
  std::vector<std::pair<std::string, fs::path>> found;
  collectMatches(folder.empty() ? fs::path(".") : fs::path(folder), "", parts, 0, found);
  if (found.empty()) return {};
  const auto* first = &found.front();
  for (const auto& candidate : found)
    if (candidate.first < first->first) first = &candidate;
  return first->second;
}

bool readLooseFile(const fs::path& path, unsigned char*& data, std::uint32_t& size) {
  data = nullptr;
  size = 0;
  std::error_code ec;
  const std::uintmax_t length = fs::file_size(path, ec);
  if (ec || length > kMaxMemberBytes) return false;
  std::ifstream file(path, std::ios::binary);
  auto* buffer = static_cast<unsigned char*>(std::malloc(length ? std::size_t(length) : 1));
  if (!file || !buffer) {
    std::free(buffer);
    return false;
  }
  file.read(reinterpret_cast<char*>(buffer), std::streamsize(length));
  if (std::uintmax_t(file.gcount()) != length) {
    std::free(buffer);
    return false;
  }
  data = buffer;
  size = std::uint32_t(length);
  return true;
}
