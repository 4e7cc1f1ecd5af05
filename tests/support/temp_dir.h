#pragma once

#include <string>
#include <vector>

#include "data/rar_writer.h"

// A fresh temporary folder, removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// A data archive in a temporary folder that DataFile reads from while the
// fixture lives; the previous archive path comes back afterwards.
class ArchiveFixture {
 public:
  explicit ArchiveFixture(const std::vector<RarMember>& members);
  ~ArchiveFixture();

  const std::string& archivePath() const { return archive_; }

 private:
  TempDir dir_;
  std::string archive_;
  std::string previous_;
};

RarMember textMember(const std::string& name, const std::string& text);
