// xscreensaver_list.cpp -- Orbivane on the user's XScreenSaver list (~/.xscreensaver)
#include "x11/xscreensaver_list.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Where XScreenSaver looks for its effects (it puts this folder on their PATH).
constexpr const char* kHackFolder = "/usr/libexec/xscreensaver";
constexpr const char* kProgramName = "orbivane";
// Far beyond any real resource file: a bigger one is not read.
constexpr std::size_t kLargestFile = 4 << 20;

// One `name: value` resource: its physical lines [first, last] and where its
// value starts in the first.
struct Resource {
  std::string name;
  std::size_t first = 0;
  std::size_t last = 0;
  std::size_t valueStart = 0;
};

// An odd number of trailing backslashes continues the line on the next one.
bool continues(const std::string& line) {
  std::size_t count = 0;
  while (count < line.size() && line[line.size() - 1 - count] == '\\') ++count;
  return count % 2 == 1;
}

// The text as lines, without their line ends.
struct Lines {
  std::vector<std::string> lines;
  bool finalNewline = true;

  explicit Lines(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size()) {
      const std::size_t end = text.find('\n', start);
      if (end == std::string::npos) {
        lines.push_back(text.substr(start));
        finalNewline = false;
        break;
      }
      lines.push_back(text.substr(start, end - start));
      start = end + 1;
    }
  }

  std::string text() const {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      out += lines[i];
      if (i + 1 < lines.size() || finalNewline) out += '\n';
    }
    return out;
  }

  // A new line at the end, after a blank one if the last line continues.
  void append(const std::string& line) {
    if (!lines.empty() && continues(lines.back())) lines.emplace_back();
    finalNewline = true;
    lines.push_back(line);
  }
};

bool isSpace(char c) { return c == ' ' || c == '\t'; }

bool isNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         c == '_' || c == '.' || c == '*' || c == '-';
}

std::string withoutContinuation(const std::string& line) {
  return continues(line) ? line.substr(0, line.size() - 1) : line;
}

bool isBinary(const std::string& text) {
  for (const char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '\0' || (u < 0x20 && std::strchr("\t\n\r\f\v", c) == nullptr)) return true;
  }
  return false;
}

// Every resource of the file, in order; false for a line that fits none of
// the kinds a resource file holds.
bool readResources(const Lines& file, std::vector<Resource>& resources) {
  bool continuing = false;
  for (std::size_t i = 0; i < file.lines.size(); ++i) {
    const std::string& line = file.lines[i];
    if (continuing) {
      if (!resources.empty()) resources.back().last = i;
      continuing = continues(line);
      continue;
    }
    std::size_t at = 0;
    while (at < line.size() && (isSpace(line[at]) || line[at] == '\r')) ++at;
    if (at == line.size() || line[at] == '!' || line[at] == '#') continue;
    const std::size_t nameStart = at;
    while (at < line.size() && isNameChar(line[at])) ++at;
    const std::size_t nameEnd = at;
    while (at < line.size() && isSpace(line[at])) ++at;
    if (nameEnd == nameStart || at == line.size() || line[at] != ':') return false;
    resources.push_back({line.substr(nameStart, nameEnd - nameStart), i, i, at + 1});
    continuing = continues(line);
  }
  return true;
}

// The last resource of that name; null when there is none.
const Resource* lastNamed(const std::vector<Resource>& resources, const std::string& name) {
  const Resource* found = nullptr;
  for (const Resource& resource : resources)
    if (resource.name == name) found = &resource;
  return found;
}

// The value of a resource with its continuations joined.
std::string valueOf(const Lines& file, const Resource& resource) {
  std::string value;
  for (std::size_t i = resource.first; i <= resource.last; ++i) {
    const std::string line = withoutContinuation(file.lines[i]);
    value += i == resource.first ? line.substr(resource.valueStart) : line;
  }
  return value;
}

std::string trimmed(const std::string& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && (isSpace(text[begin]) || text[begin] == '\r')) ++begin;
  while (end > begin && (isSpace(text[end - 1]) || text[end - 1] == '\r')) --end;
  return text.substr(begin, end - begin);
}

// The pieces of a programs list between its "\n" escapes.
std::vector<std::string> piecesOf(const std::string& value) {
  std::vector<std::string> pieces(1);
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) {
      if (value[i + 1] == 'n')
        pieces.emplace_back();
      else
        pieces.back() += value.substr(i, 2);
      ++i;
    } else {
      pieces.back() += value[i];
    }
  }
  return pieces;
}

// The list's entries: its pieces that are not blank.
std::vector<std::string> entriesOf(const std::string& value) {
  std::vector<std::string> entries;
  for (const std::string& piece : piecesOf(value))
    if (!trimmed(piece).empty()) entries.push_back(trimmed(piece));
  return entries;
}

// An entry reads `[-] [visual:] ["Name"] command args`: true when its
// command is this program, wherever it lies.
bool runsOrbivane(std::string entry) {
  auto skipSpace = [&entry] {
    std::size_t at = 0;
    while (at < entry.size() && isSpace(entry[at])) ++at;
    entry.erase(0, at);
  };
  if (!entry.empty() && entry[0] == '-') entry.erase(0, 1);
  skipSpace();
  const std::size_t word = entry.find_first_of(" \t");
  if (word != std::string::npos && word > 0 && entry[word - 1] == ':') entry.erase(0, word);
  skipSpace();
  if (!entry.empty() && entry[0] == '"') {
    const std::size_t close = entry.find('"', 1);
    entry.erase(0, close == std::string::npos ? entry.size() : close + 1);
    skipSpace();
  }
  std::string command;
  if (!entry.empty() && (entry[0] == '\'' || entry[0] == '"'))
    command = entry.substr(1, entry.find(entry[0], 1) - 1);
  else
    command = entry.substr(0, entry.find_first_of(" \t"));
  const std::size_t slash = command.rfind('/');
  return command.substr(slash == std::string::npos ? 0 : slash + 1) == kProgramName;
}

// Ends the list's last entry with a "\n" and puts ours after it.
void appendEntry(Lines& file, const Resource& programs, const std::string& entry) {
  // The last physical line of the value that holds any of an entry's text.
  std::size_t last = programs.first;
  for (std::size_t i = programs.first; i <= programs.last; ++i) {
    const std::string text =
        withoutContinuation(i == programs.first ? file.lines[i].substr(programs.valueStart)
                                                : file.lines[i]);
    if (!entriesOf(text).empty()) last = i;
  }
  const bool more = continues(file.lines[last]);  // the value goes on below it
  std::string line = withoutContinuation(file.lines[last]);
  const std::string text = last == programs.first ? line.substr(programs.valueStart) : line;
  if (!trimmed(piecesOf(text).back()).empty()) line += " \\n";
  file.lines[last] = line + "\\";
  file.lines.insert(file.lines.begin() + std::ptrdiff_t(last) + 1,
                    "  " + entry + " \\n" + (more ? "\\" : ""));
}

// Gives every resource of that name the value, keeping what stands before
// it; appends one when there is none.
void setValue(Lines& file, const std::string& name, const std::string& value) {
  std::vector<Resource> resources;
  readResources(file, resources);
  bool found = false;
  // From the last, so that the line numbers of those before stay right.
  for (auto r = resources.rbegin(); r != resources.rend(); ++r) {
    if (r->name != name) continue;
    found = true;
    const std::string& first = file.lines[r->first];
    std::size_t at = r->valueStart;
    while (at < first.size() && isSpace(first[at])) ++at;
    file.lines[r->first] = first.substr(0, at) + (at == r->valueStart ? " " : "") + value;
    file.lines.erase(file.lines.begin() + std::ptrdiff_t(r->first) + 1,
                     file.lines.begin() + std::ptrdiff_t(r->last) + 1);
  }
  if (!found) file.append(name + ": " + value);
}

std::string home() {
  if (const char* dir = std::getenv("HOME"); dir && *dir) return dir;
  const passwd* user = getpwuid(getuid());
  return user && user->pw_dir ? user->pw_dir : ".";
}

// The whole of a regular file; false with errno set when it cannot be read.
bool readWhole(int fd, std::string& text) {
  char buffer[65536];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    text.append(buffer, std::size_t(got));
    if (text.size() > kLargestFile) {
      errno = EFBIG;
      return false;
    }
  }
}

bool writeWhole(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t put = write(fd, text.data() + done, text.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    done += std::size_t(put);
  }
  return fsync(fd) == 0;
}

// Writes the text beside `path` and renames it over `path`, with `mode`.
bool replaceFile(const std::string& path, const std::string& text, mode_t mode,
                 const struct stat* old) {
  std::string temporary = path + ".orbivane-XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return false;
  bool ok = fchmod(fd, mode) == 0;
  // Edited by root for a user, the file stays the user's; elsewhere a no-op.
  if (ok && old && fchown(fd, old->st_uid, old->st_gid) != 0 && errno != EPERM) ok = false;
  ok = ok && writeWhole(fd, text);
  ok = (close(fd) == 0) && ok;
  ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) {
    const int error = errno;
    unlink(temporary.c_str());
    errno = error;
  }
  return ok;
}

}  // namespace

std::string xscreensaverCommand(const std::string& executablePath) {
  const std::size_t slash = executablePath.rfind('/');
  if (slash != std::string::npos && executablePath.substr(0, slash) == kHackFolder &&
      executablePath.substr(slash + 1) == kProgramName)
    return kProgramName;
  // The daemon runs the entry through the shell: anything but plain path
  // characters is quoted; what a quote or the file's escapes would change is refused.
  bool plain = !executablePath.empty();
  for (const char c : executablePath) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f || c == '\\' || c == '\'') return "";
    if (u < 0x80 && !std::isalnum(u) && std::strchr("/._+-,@%:", c) == nullptr) plain = false;
  }
  return plain ? executablePath : "'" + executablePath + "'";
}

bool editProgramList(const std::string& text, const std::string& command, bool select,
                     ProgramListEdit& edit) {
  if (isBinary(text)) return false;
  Lines file(text);
  std::vector<Resource> resources;
  if (!readResources(file, resources)) return false;

  const Resource* programs = lastNamed(resources, "programs");
  edit.added = true;
  edit.index = 0;
  if (programs) {
    const std::vector<std::string> entries = entriesOf(valueOf(file, *programs));
    edit.index = int(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (runsOrbivane(entries[i])) {
        edit.index = int(i);
        edit.added = false;
        break;
      }
    }
  }
  if (select) {
    setValue(file, "mode", "one");
    setValue(file, "selected", std::to_string(edit.index));
  }
  if (edit.added) {
    const std::string entry = "GL: \"Orbivane\" " + command + " --root";
    resources.clear();
    readResources(file, resources);
    programs = lastNamed(resources, "programs");
    if (programs)
      appendEntry(file, *programs, entry);
    else
      file.append("programs: " + entry + " \\n");
  }
  edit.text = file.text();
  return true;
}

int putOnXScreenSaverList(const std::string& file, const std::string& command, bool select) {
  // A link (dotfiles kept elsewhere) stays a link: its target is edited.
  std::string path = file;
  if (char* real = realpath(file.c_str(), nullptr)) {
    path = real;
    std::free(real);
  }
  std::string text;
  struct stat status = {};
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  const bool exists = fd >= 0 || errno != ENOENT;
  if (fd >= 0) {
    bool ok = fstat(fd, &status) == 0;
    if (ok && !S_ISREG(status.st_mode)) {
      ok = false;
      errno = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
    }
    ok = ok && readWhole(fd, text);
    const int error = errno;
    close(fd);
    errno = error;
    if (!ok) {
      std::fprintf(stderr, "orbivane: cannot read %s: %s; it is left as it was\n", path.c_str(),
                   std::strerror(errno));
      return 1;
    }
  } else if (exists) {
    std::fprintf(stderr, "orbivane: cannot read %s: %s; it is left as it was\n", path.c_str(),
                 std::strerror(errno));
    return 1;
  }

  ProgramListEdit edit;
  if (!editProgramList(text, command, select, edit)) {
    std::fprintf(stderr,
                 "orbivane: %s is not an XScreenSaver settings file; it is left as it was\n",
                 path.c_str());
    return 1;
  }
  const bool changed = !exists || edit.text != text;
  if (changed) {
    const mode_t mask = umask(0);
    umask(mask);
    const mode_t mode = exists ? (status.st_mode & 07777) : (0666 & ~mask);
    if (!replaceFile(path, edit.text, mode, exists ? &status : nullptr)) {
      std::fprintf(stderr, "orbivane: cannot write %s: %s; it is left as it was\n", path.c_str(),
                   std::strerror(errno));
      return 1;
    }
  }

  std::printf(edit.added ? "Orbivane is now on the XScreenSaver list in %s.\n"
                         : "Orbivane is on the XScreenSaver list in %s already.\n",
              path.c_str());
  if (select)
    std::printf("XScreenSaver shows only Orbivane (mode: one, selected: %d).\n", edit.index);
  else
    std::printf("To show only Orbivane: pick it in xscreensaver-settings, or run "
                "\"orbivane --use-in-xscreensaver\".\n");
  std::printf(changed ? "A running XScreenSaver picks the change up by itself.\n"
                      : "The file is unchanged.\n");
  return 0;
}

std::string xscreensaverFile() { return home() + "/.xscreensaver"; }
