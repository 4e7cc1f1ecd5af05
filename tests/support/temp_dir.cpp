#include "tests/support/temp_dir.h"

#include <filesystem>
#include <random>

#include "data/archive.h"

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::random_device seed;
  std::mt19937 pick(seed());
  for (;;) {
    const fs::path candidate = fs::temp_directory_path() / ("orbivane-test-" + std::to_string(pick()));
    std::error_code ec;
    if (fs::create_directory(candidate, ec)) {
      path_ = candidate.string();
      return;
    }
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

ArchiveFixture::ArchiveFixture(const std::vector<RarMember>& members)
    : archive_(dir_.file("data.sdd")), previous_(dataArchivePath()) {
  writeRarArchive(archive_, members);
  setDataArchivePath(archive_.c_str());
}

ArchiveFixture::~ArchiveFixture() { setDataArchivePath(previous_.c_str()); }

RarMember textMember(const std::string& name, const std::string& text) {
  return {name, std::vector<unsigned char>(text.begin(), text.end())};
}
