#pragma once

#include <string>

#include "data/data_file.h"
#include "scene/scene_object.h"
#include "tests/support/temp_dir.h"

// A scene list that deletes its objects at the end of the test.
struct OwnedSceneList {
  SceneList list;

  OwnedSceneList() = default;
  OwnedSceneList(const OwnedSceneList&) = delete;
  OwnedSceneList& operator=(const OwnedSceneList&) = delete;
  ~OwnedSceneList() {
    for (SceneObject* object : list) delete object;
  }
};

// Runs a kind's parser over `text`, given as the lines that follow the type
// line in an object file, and returns the object it appended to `list`.
template <class Kind>
Kind* parseBlock(void (*parser)(SceneList&), OwnedSceneList& owned, const std::string& text) {
  ArchiveFixture archive({textMember("objects.txt", text)});
  objectFileReader.open("objects.txt");
  parser(owned.list);
  objectFileReader.close();
  return static_cast<Kind*>(owned.list.back());
}

// A named object to anchor flares and flames to.
class MarkerObject : public SceneObject {
 public:
  explicit MarkerObject(const char* markerName) { setName(markerName); }
  void draw(CameraDirector&) override {}
  void update(double) override {}
};
