// sddpack.cpp -- sddpack: packs a folder into a data archive, and lists or checks one
#include "tools/sddpack/sddpack.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "data/archive.h"
#include "data/data_file.h"
#include "data/loose_files.h"
#include "tools/check/scene_check_run.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "usage: sddpack create ARCHIVE DIR     pack every file under DIR (and, when DIR holds a\n"
    "                                      scene, print its check's summary)\n"
    "       sddpack list ARCHIVE           print the member names\n"
    "       sddpack extract ARCHIVE MEMBER write the member's bytes to standard output\n";

std::string memberName(const fs::path& relative) {
  std::string name = relative.generic_string();
  std::replace(name.begin(), name.end(), '/', '\\');
  return name;
}

bool readFile(const fs::path& path, std::vector<unsigned char>& bytes, std::string& error) {
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec) {
    error = "cannot read " + path.string() + ": " + ec.message();
    return false;
  }
  if (size > UINT32_MAX) {
    error = path.string() + " is too large for the archive (4 GiB at most)";
    return false;
  }
  bytes.resize(std::size_t(size));
  std::ifstream file(path, std::ios::binary);
  file.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size));
  if (!file || std::uintmax_t(file.gcount()) != size) {
    error = "cannot read " + path.string();
    return false;
  }
  return true;
}

bool sameFile(const fs::path& a, const std::string& b) {
  std::error_code ec;
  return !b.empty() && fs::equivalent(a, b, ec);
}

// The summary of orbivane-check on the folder's loose files: packing goes
// on whatever it finds, but the author hears of it.
void printSceneCheck(const std::string& dir, std::ostream& out) {
  const std::string previous = dataArchivePath();
  setDataFolder(dir.c_str());
  ProblemList problems;
  std::string loaded, error;
  const bool checked = checkScene(problems, loaded, error);
  setDataArchivePath(previous.c_str());
  if (!checked) {
    out << "sddpack: the scene in " << dir << " was not checked: " << error << "\n";
    return;
  }
  out << "sddpack: the scene in " << dir << ": " << problems.counts() << " (" << loaded << ")";
  if (problems.exitStatus() != 0) out << "; orbivane-check " << dir << " lists them";
  out << "\n";
}

int create(const std::string& archive, const std::string& dir, std::ostream& out,
           std::ostream& err) {
  std::vector<RarMember> members;
  std::string error;
  if (!collectMembers(dir, archive, members, error)) {
    err << "sddpack: " << error << "\n";
    return 1;
  }
  if (!writeRarArchive(archive, members)) {
    err << "sddpack: cannot write " << archive << "\n";
    return 1;
  }
  if (!findLooseFile(dir, "worlds.txt").empty()) printSceneCheck(dir, out);
  return 0;
}

int list(const std::string& archive, std::ostream& out, std::ostream& err) {
  std::vector<std::string> names;
  std::string error;
  if (!listMembers(archive, names, error)) {
    err << "sddpack: " << error << "\n";
    return 1;
  }
  for (const std::string& name : names) out << name << "\n";
  out.flush();
  return out ? 0 : 1;
}

int extract(const std::string& archive, const std::string& member, std::ostream& out,
            std::ostream& err) {
  std::vector<std::string> names;
  std::string error;
  if (!listMembers(archive, names, error)) {
    err << "sddpack: " << error << "\n";
    return 1;
  }
  const std::string previous = dataArchivePath();
  setDataArchivePath(archive.c_str());
  DataFile file;
  const bool opened = file.open(member.c_str()) != 0;
  setDataArchivePath(previous.c_str());
  if (!opened) {
    err << "sddpack: " << archive << " has no readable member " << member << "\n";
    return 1;
  }
  out.write(reinterpret_cast<const char*>(file.data), std::streamsize(file.size));
  out.flush();
  if (!out) {
    err << "sddpack: cannot write the member's bytes\n";
    return 1;
  }
  return 0;
}

}  // namespace

bool collectMembers(const std::string& dir, const std::string& skip,
                    std::vector<RarMember>& members, std::string& error) {
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) {
    error = dir + " is not a folder";
    return false;
  }
  members.clear();
  fs::recursive_directory_iterator it(dir, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec) || sameFile(it->path(), skip)) continue;
    RarMember member;
    member.name = memberName(fs::relative(it->path(), dir));
    if (!readFile(it->path(), member.bytes, error)) return false;
    members.push_back(std::move(member));
  }
  if (ec) {
    error = "cannot read the folder " + dir + ": " + ec.message();
    return false;
  }
  std::sort(members.begin(), members.end(),
            [](const RarMember& a, const RarMember& b) { return a.name < b.name; });
  return true;
}

bool listMembers(const std::string& archivePath, std::vector<std::string>& names,
                 std::string& error) {
  names.clear();
  archive* reader = archive_read_new();
  if (!reader) {
    error = "out of memory";
    return false;
  }
  archive_read_support_format_rar(reader);
  bool ok = archive_read_open_filename(reader, archivePath.c_str(), 64 * 1024) == ARCHIVE_OK;
  if (ok) {
    archive_entry* entry = nullptr;
    int status;
    while ((status = archive_read_next_header(reader, &entry)) == ARCHIVE_OK) {
      const char* name = archive_entry_pathname(entry);
      std::string stored = name ? name : "";
      std::replace(stored.begin(), stored.end(), '/', '\\');
      names.push_back(stored);
    }
    ok = status == ARCHIVE_EOF;
  }
  if (!ok) {
    const char* why = archive_error_string(reader);
    error = "cannot read the archive " + archivePath + (why ? std::string(": ") + why : "");
  }
  archive_read_free(reader);
  return ok;
}

int runSddpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::string command = args.empty() ? "" : args[0];
  if (command == "create" && args.size() == 3) return create(args[1], args[2], out, err);
  if (command == "list" && args.size() == 2) return list(args[1], out, err);
  if (command == "extract" && args.size() == 3) return extract(args[1], args[2], out, err);
  err << kUsage;
  return 2;
}
