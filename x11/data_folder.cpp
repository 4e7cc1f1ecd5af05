// data_folder.cpp -- where the Linux program looks for its data
#include "x11/data_folder.h"

#include <filesystem>
#include <system_error>

#include "data/archive.h"

namespace fs = std::filesystem;

std::vector<std::string> dataFolderCandidates(const std::string& installedDir,
                                              const std::string& executableDir) {
  std::vector<std::string> folders;
  if (!installedDir.empty()) folders.push_back(installedDir);
  if (!executableDir.empty()) {
    const fs::path here(executableDir);
    for (const fs::path& folder : {here / ".." / "share" / "orbivane",
                                   here / ".." / ".." / "share" / "orbivane", here / ".." / "data"})
      folders.push_back(folder.lexically_normal().string());
  }
  return folders;
}

std::string findDataFolder(const std::vector<std::string>& candidates) {
  for (const std::string& folder : candidates)
    if (folderHoldsScene(folder)) return folder;
  return candidates.empty() ? std::string(".") : candidates.front();
}

std::string executablePath() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : self.string();
}

std::string executableFolder() { return fs::path(executablePath()).parent_path().string(); }
