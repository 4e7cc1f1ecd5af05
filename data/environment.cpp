// environment.cpp -- reads "env.txt": each environment's first-pass and post-pass object files
#include "data/environment.h"

#include "data/data_file.h"
#include "data/line_rules.h"
#include "data/object_file.h"

EnvironmentList environments;

namespace {

// The lines of one block, up to and including its "end" line (or the end
// of the data).
void readEnvironmentBlock(DataFile& file, Environment& environment) {
  char line[kLineCapacity];
  do {
    file.readLine(line);
    char objectFile[kLineCapacity];
    if (hasKeyword(line, "firstpass") && secondWord(line, objectFile))
      loadObjectFile(environment.firstPass, objectFile);
    if (hasKeyword(line, "postpass") && secondWord(line, objectFile))
      loadObjectFile(environment.postPass, objectFile);
  } while (!hasKeyword(line, "end") && !file.pastEnd());
}

}  // namespace

void loadEnvironments(EnvironmentList& list, const char* fileName) {
  DataFile file;
  file.open(fileName);
  char line[kLineCapacity];
  while (!file.pastEnd()) {
    file.readLine(line);
    if (hasKeyword(line, "ENV_END")) break;
    if (hasKeyword(line, "env")) {
      auto* environment = new Environment;
      secondWord(line, environment->name);
      readEnvironmentBlock(file, *environment);
      list.add(environment);
    }
  }
}
