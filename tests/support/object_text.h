#pragma once

// An object-file text opened in objectFileReader while the fixture lives, so
// the per-kind parsers can be called on it directly.
#include <string>

#include "data/data_file.h"
#include "scene/scene_object.h"
#include "tests/support/temp_dir.h"

class ObjectText {
 public:
  explicit ObjectText(const std::string& text) : archive_({textMember("objects.txt", text)}) {
    objectFileReader.open("objects.txt");
  }
  ~ObjectText() { objectFileReader.close(); }
  ObjectText(const ObjectText&) = delete;
  ObjectText& operator=(const ObjectText&) = delete;

 private:
  ArchiveFixture archive_;
};

// A scene list that deletes its objects at the end of the test.
struct OwnedSceneList {
  SceneList list;
  OwnedSceneList() = default;
  OwnedSceneList(const OwnedSceneList&) = delete;
  OwnedSceneList& operator=(const OwnedSceneList&) = delete;
  ~OwnedSceneList() { deleteObjects(list); }
};
