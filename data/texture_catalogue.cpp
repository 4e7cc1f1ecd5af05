// texture_catalogue.cpp -- the textures of the list file, by archive path, and the two loading images
#include "data/texture_catalogue.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "data/archive.h"
#include "data/data_file.h"
#include "data/jpeg_decoder.h"
#include "data/line_rules.h"
#include "data/load_report.h"
#include "data/tga_decoder.h"
#include "host/host.h"

TextureCatalogue textureCatalogue;
TextureEntry loadingImage;
TextureEntry signImage;

namespace {

enum class ImageKind { kUnknown, kJpeg, kTga };

// By the last three letters, all lower or all upper case.
ImageKind imageKind(const char* fileName) {
  const std::size_t n = std::strlen(fileName);
  if (n < 3) return ImageKind::kUnknown;
  const char* extension = fileName + n - 3;
  if (!std::strcmp(extension, "jpg") || !std::strcmp(extension, "JPG")) return ImageKind::kJpeg;
  if (!std::strcmp(extension, "tga") || !std::strcmp(extension, "TGA")) return ImageKind::kTga;
  return ImageKind::kUnknown;
}

bool sameIgnoringCase(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b)
    if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
      return false;
  return *a == *b;
}

// Why the image of `path` made no texture, told at the line that named it.
void reportUnloaded(const char* path, ImageKind kind) {
  if (kind == ImageKind::kUnknown)
    reportMember(ProblemLevel::kError, path, "is not loaded: only .jpg and .tga images are");
  else if (!memberExists(path))
    reportMember(ProblemLevel::kError, path, "is missing");
  else
    reportMember(ProblemLevel::kError, path, "cannot be read as a %s image",
                 kind == ImageKind::kJpeg ? "JPEG" : "TGA");
}

// Checks one line of the list as it is loaded: what the loader reads of
// it, and whether an earlier line gave the same path.
void checkListLine(const DataFile& list, const char* line, const TextureEntry& entry,
                   std::map<std::string, unsigned>& firstLines) {
  const char* fileName = line + std::strspn(line, " \t");
  const std::size_t nameLength = std::strcspn(fileName, " \t");
  if (nameLength + std::strlen("textures\\") >= sizeof entry.path)
    reportAtLine(ProblemLevel::kWarning, list,
                 "the file name is longer than %u characters: its path is cut to %s",
                 unsigned(sizeof entry.path - 1 - std::strlen("textures\\")), entry.path);
  if (fileName[nameLength + std::strspn(fileName + nameLength, " \t")] != '\0')
    reportAtLine(ProblemLevel::kWarning, list, "only the first word is read: one file name a line");
  const auto [first, added] = firstLines.emplace(entry.path, list.line);
  if (!added)
    reportAtLine(ProblemLevel::kWarning, list,
                 "%s is listed already at line %u; objects get that one", entry.path, first->second);
}

}  // namespace

void loadTexture(TextureEntry& entry, const char* fileName) {
  std::snprintf(entry.path, sizeof entry.path, "textures\\%s", fileName);
  const ImageKind kind = imageKind(fileName);
  switch (kind) {
    case ImageKind::kJpeg: entry.glTexture = loadJpegTexture(entry.path); break;
    case ImageKind::kTga: entry.glTexture = loadTgaTexture(entry.path); break;
    case ImageKind::kUnknown: break;
  }
  if (entry.glTexture == 0) reportUnloaded(entry.path, kind);
}

void loadTextureCatalogue(TextureCatalogue& catalogue, const char* listName, bool reportProgress) {
  DataFile list;
  if (!list.open(listName))
    reportMember(ProblemLevel::kError, listName, "%s: no textures are loaded", whyNotOpened(listName));
  char line[kLineCapacity];
  char fileName[kLineCapacity];
  std::map<std::string, unsigned> firstLines;
  for (;;) {
    const bool more = list.readLine(line);
    if (hasKeyword(line, "END_TEXT")) {
      reportLinesAfterEnd(list, "END_TEXT");
      break;
    }
    if (std::sscanf(line, "%127s", fileName) == 1) {
      auto* entry = new TextureEntry;
      {
        NamingLine naming(list);
        loadTexture(*entry, fileName);
      }
      checkListLine(list, line, *entry, firstLines);
      if (reportProgress) host().loadingStep();
      catalogue.add(entry);
    }
    // The end of the data ends a list without "END_TEXT".
    if (!more && list.size > 0)
      reportProblem(ProblemLevel::kWarning, listName, list.line, "the list has no END_TEXT line");
    if (!more || host().loadingCancelled()) break;
  }
}

TextureEntry* findNamedTexture(const char* path, const DataFile& namer) {
  if (TextureEntry* entry = findTexture(textureCatalogue, path)) return entry;
  const std::string withFolder = std::string("textures\\") + path;
  for (const TextureEntry* entry : textureCatalogue)
    if (sameIgnoringCase(entry->path, path) || sameIgnoringCase(entry->path, withFolder.c_str())) {
      reportAtLine(ProblemLevel::kError, namer,
                   "texture %s is not in texture.txt: did you mean %s? (paths are case-sensitive)",
                   path, entry->path);
      return nullptr;
    }
  reportAtLine(ProblemLevel::kError, namer,
               "texture %s is not in texture.txt (a path is \"textures\\\" and a name listed there)",
               path);
  return nullptr;
}
