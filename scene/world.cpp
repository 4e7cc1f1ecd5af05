// world.cpp -- reads "worlds.txt": each world's objects, environment and lighting
#include "scene/world.h"

#include "data/line_rules.h"
#include "data/record_file.h"
#include "scene/object_file.h"

WorldList worlds;

void loadWorlds(WorldList& list, const EnvironmentList& environments, const char* fileName) {
  loadRecords(list, fileName, "world", "WORLD_END", [&environments](World& world, const char* line) {
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
  });
}
