#pragma once
// texture_catalogue.h -- the textures of the list file, by archive path, and the two loading images

#include <cstdint>

#include "data/owning_list.h"

class DataFile;

// One texture of the catalogue: the OpenGL texture made from an image
// member, and that member's path ("textures\" + file name).
class TextureEntry {
 public:
  std::uint32_t glTexture = 0;  // 0 when no texture was made
  char path[32] = {};

  virtual ~TextureEntry() = default;  // the GL texture lives on with the context
};

// All textures, in the order of the list file, found by path.
using TextureCatalogue = OwningList<TextureEntry, &TextureEntry::path>;
extern TextureCatalogue textureCatalogue;

// The two loading-screen images, loaded before the catalogue.
extern TextureEntry loadingImage;  // "load.jpg"
extern TextureEntry signImage;     // "sign.jpg"

// Reads the list file (one image file name a line, "END_TEXT" last), loads
// every image and appends an entry for each, loaded or not; with
// reportProgress, a loading step follows each texture.
void loadTextureCatalogue(TextureCatalogue& catalogue, const char* listName, bool reportProgress);

// Sets entry.path and decodes and uploads the image by its extension
// ("jpg"/"JPG" or "tga"/"TGA"); glTexture stays 0 when that fails.
void loadTexture(TextureEntry& entry, const char* fileName);

// The first entry whose path equals `path` exactly, or null.
inline TextureEntry* findTexture(const TextureCatalogue& catalogue, const char* path) {
  return catalogue.find(path);
}

// The same in the global catalogue for a path that `namer`'s last line
// names; when there is none, an error to the host at that line, with a
// listed path it may have meant (other letters, or no "textures\").
TextureEntry* findNamedTexture(const char* path, const DataFile& namer);
