#pragma once

#include <string>

#include "scene/scene_object.h"
#include "tests/support/object_text.h"

// Runs a kind's parser over `text`, given as the lines that follow the type
// line in an object file, and returns the object it appended to `list`.
template <class Kind>
Kind* parseBlock(void (*parser)(SceneList&), OwnedSceneList& owned, const std::string& text) {
  ObjectText file(text);
  parser(owned.list);
  return static_cast<Kind*>(owned.list.back());
}

// A named object to anchor flares and flames to.
class MarkerObject : public SceneObject {
 public:
  explicit MarkerObject(const char* markerName) { setName(markerName); }
  void draw(CameraDirector&) override {}
  void update(double) override {}
};
