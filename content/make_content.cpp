// make_content.cpp -- make_content: the default scene's generated members, ready to pack
// make_content: paints, builds and composes the default scene's generated
// members into a folder, ready to be packed with the text files.
#include <cstdio>
#include <string>

#include "content/generate.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_content DIR\n");
    return 2;
  }
  std::string error;
  if (generateContent(argv[1], error).empty()) {
    std::fprintf(stderr, "make_content: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
