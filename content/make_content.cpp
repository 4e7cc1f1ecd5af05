// make_content.cpp -- make_content: the default scene's generated members, ready to pack
// make_content: paints, builds and composes the default scene's generated
// members into a folder, ready to be packed with the text files; with
// --example, those of the small example scene (examples/minimal).
#include <cstdio>
#include <string>

#include "content/generate.h"

int main(int argc, char** argv) {
  const bool example = argc == 3 && std::string(argv[1]) == "--example";
  if (argc != 2 && !example) {
    std::fprintf(stderr, "usage: make_content [--example] DIR\n");
    return 2;
  }
  std::string error;
  const std::string dir = argv[argc - 1];
  if ((example ? generateExample(dir, error) : generateContent(dir, error)).empty()) {
    std::fprintf(stderr, "make_content: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
