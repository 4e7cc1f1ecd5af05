#include "data/texture_catalogue.h"

#include <cstring>

TextureCatalogue textureCatalogue;
TextureEntry loadingImage;
TextureEntry signImage;

TextureEntry* findTexture(const TextureCatalogue& catalogue, const char* path) {
  for (TextureEntry* entry : catalogue)
    if (std::strcmp(entry->path, path) == 0) return entry;
  return nullptr;
}
