#pragma once
// object_text.h -- an object-file text opened in objectFileReader for a test

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
