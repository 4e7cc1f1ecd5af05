// world.cpp -- reads "worlds.txt": each world's objects, environment and lighting
#include "data/world.h"

#include "data/data_file.h"
#include "data/line_rules.h"
#include "data/object_file.h"

WorldList worlds;

namespace {

// The lines of one block, up to and including its "end" line (or the end
// of the data).
void readWorldBlock(DataFile& file, World& world, const EnvironmentList& environments) {
  char line[kLineCapacity];
  do {
    file.readLine(line);
    char word[kLineCapacity];
    if (hasKeyword(line, "env") && secondWord(line, word)) {
      if (Environment* environment = environments.find(word)) {
        world.firstPass = &environment->firstPass;
        world.postPass = &environment->postPass;
      }
    }
    if (hasKeyword(line, "objects") && secondWord(line, word)) loadObjectFile(world.objects, word);
    if (hasKeyword(line, "system")) world.system = true;
    if (hasKeyword(line, "scenedir")) secondWord(line, world.sceneDir);
  } while (!hasKeyword(line, "end") && !file.pastEnd());
}

}  // namespace

void loadWorlds(WorldList& list, const EnvironmentList& environments, const char* fileName) {
  DataFile file;
  file.open(fileName);
  char line[kLineCapacity];
  while (!file.pastEnd()) {
    file.readLine(line);
    if (hasKeyword(line, "WORLD_END")) break;
    if (hasKeyword(line, "world")) {
      auto* world = new World;
      secondWord(line, world->name);
      readWorldBlock(file, *world, environments);
      list.add(world);
    }
  }
}
