// environment.cpp -- reads "env.txt": each environment's first-pass and post-pass object files
#include "scene/environment.h"

#include "data/line_rules.h"
#include "data/record_file.h"
#include "scene/object_file.h"

EnvironmentList environments;

void loadEnvironments(EnvironmentList& list, const char* fileName) {
  loadRecords(list, fileName, "env", "ENV_END", [](Environment& environment, const char* line) {
    char objectFile[kLineCapacity];
    if (hasKeyword(line, "firstpass") && secondWord(line, objectFile))
      loadObjectFile(environment.firstPass, objectFile);
    if (hasKeyword(line, "postpass") && secondWord(line, objectFile))
      loadObjectFile(environment.postPass, objectFile);
  });
}
