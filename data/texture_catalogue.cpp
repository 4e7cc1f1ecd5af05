// texture_catalogue.cpp -- the textures of the list file, by archive path, and the two loading images
#include "data/texture_catalogue.h"

#include <cstdio>
#include <cstring>

#include "data/data_file.h"
#include "data/jpeg_decoder.h"
#include "data/line_rules.h"
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

}  // namespace

void loadTexture(TextureEntry& entry, const char* fileName) {
  std::snprintf(entry.path, sizeof entry.path, "textures\\%s", fileName);
  switch (imageKind(fileName)) {
    case ImageKind::kJpeg: entry.glTexture = loadJpegTexture(entry.path); break;
    case ImageKind::kTga: entry.glTexture = loadTgaTexture(entry.path); break;
    case ImageKind::kUnknown: break;
  }
}

void loadTextureCatalogue(TextureCatalogue& catalogue, const char* listName, bool reportProgress) {
  DataFile list;
  list.open(listName);
  char line[kLineCapacity];
  char fileName[kLineCapacity];
  for (;;) {
    const bool more = list.readLine(line);
    if (hasKeyword(line, "END_TEXT")) break;
    if (std::sscanf(line, "%127s", fileName) == 1) {
      auto* entry = new TextureEntry;
      loadTexture(*entry, fileName);
      if (reportProgress) host().loadingStep();
      catalogue.add(entry);
    }
    // The end of the data ends a list without "END_TEXT".
    if (!more || host().loadingCancelled()) break;
  }
}
