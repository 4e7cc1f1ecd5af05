// scene_object.cpp -- the base of every kind drawn in the scene, and the lists that hold them
#include "scene/scene_object.h"

#include <cstring>

#include "data/data_file.h"
#include "data/line_rules.h"
#include "data/texture_catalogue.h"
#include "scene/keyword_values.h"

SceneList firstPassList;
SceneList worldObjectList;
SceneList postPassList;
float sceneClock = 0.0f;

void SceneObject::assignTexture(const char* path) {
  const std::size_t n = std::strlen(path);
  alphaTexture = n >= 3 && std::strcmp(path + n - 3, "tga") == 0;
  if (const TextureEntry* entry = findNamedTexture(path, objectFileReader)) texture = entry->glTexture;
}

bool SceneObject::readTextureLine(const char* line) {
  checkLine(line, 1, "texture %s");
  char path[kLineCapacity];
  if (!secondWord(line, path)) return false;
  assignTexture(path);
  hasTexture = true;
  return true;
}

void SceneObject::setName(const char* text) {
  std::strncpy(name, text, sizeof name - 1);
  name[sizeof name - 1] = '\0';
}
