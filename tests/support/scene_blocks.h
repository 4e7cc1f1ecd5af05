#pragma once
// scene_blocks.h -- a kind's block parsed from text, catalogue entries, and a named object to anchor others to

#include <cstdio>
#include <string>

#include "data/texture_catalogue.h"
#include "scene/parse_block.h"
#include "scene/scene_object.h"
#include "tests/support/object_text.h"

// Parses `text`, the lines that follow a type line in an object file, as a
// block of the kind and returns the object it appended to `list`.
template <class Kind>
Kind* parseText(ObjectList& list, const std::string& text) {
  ObjectText file(text);
  parseBlock<Kind>(list, "block");
  return static_cast<Kind*>(list.back());
}

// Adds an entry that names `glTexture` to the global catalogue; the test
// deletes the catalogue's entries when it is done.
inline void addCatalogueEntry(const char* path, unsigned glTexture) {
  auto* entry = new TextureEntry;
  entry->glTexture = glTexture;
  std::snprintf(entry->path, sizeof entry->path, "%s", path);
  textureCatalogue.add(entry);
}

// A named object to anchor flares and flames to.
class MarkerObject : public SceneObject {
 public:
  explicit MarkerObject(const char* markerName) { setName(markerName); }
  void draw(CameraDirector&) override {}
  void update(double) override {}
};
