// scene_object.cpp -- the base of every kind drawn in the scene, and the lists that hold them
#include "scene/scene_object.h"

#include <cstring>

#include "data/data_file.h"
#include "data/texture_catalogue.h"

SceneList firstPassList;
SceneList worldObjectList;
SceneList postPassList;
float sceneClock = 0.0f;

void SceneObject::assignTexture(const char* path) {
  const std::size_t n = std::strlen(path);
  alphaTexture = n >= 3 && std::strcmp(path + n - 3, "tga") == 0;
  if (const TextureEntry* entry = findNamedTexture(path, objectFileReader)) texture = entry->glTexture;
}

void SceneObject::setName(const char* text) {
  std::strncpy(name, text, sizeof name - 1);
  name[sizeof name - 1] = '\0';
}
