#include "scene/scene_object.h"

#include <cstring>

#include "data/texture_catalogue.h"

SceneList firstPassList;
SceneList worldObjectList;
SceneList postPassList;
float sceneClock = 0.0f;

void SceneObject::assignTexture(const char* path) {
  const std::size_t n = std::strlen(path);
  alphaTexture = n >= 3 && std::strcmp(path + n - 3, "tga") == 0;
  if (const TextureEntry* entry = findTexture(textureCatalogue, path)) texture = entry->glTexture;
}

void SceneObject::setName(const char* text) {
  std::strncpy(name, text, sizeof name - 1);
  name[sizeof name - 1] = '\0';
}

SceneObject* findByName(const SceneList& list, const char* name) {
  for (SceneObject* object : list)
    if (std::strcmp(object->name, name) == 0) return object;
  return nullptr;
}

void deleteObjects(SceneList& list) {
  for (SceneObject* object : list) delete object;
  list.clear();
}
