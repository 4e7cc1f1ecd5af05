// world.cpp -- reads "worlds.txt": each world's objects, environment and lighting
#include "scene/world.h"

#include <cstring>

#include "data/archive.h"
#include "data/line_rules.h"
#include "data/record_file.h"
#include "data/value_check.h"
#include "scene/object_file.h"

WorldList worlds;

void loadWorlds(WorldList& list, const EnvironmentList& environments, const char* fileName) {
  loadRecords(list, fileName, "world", "WORLD_END",
              [&environments](World& world, const DataFile& file, const char* line) {
    char word[kLineCapacity];
    bool known = false;
    if (hasKeyword(line, "env")) {
      known = true;
      checkValues(file, line, "env %s", 1);
      if (secondWord(line, word)) {
        if (Environment* environment = environments.find(word)) {
          world.firstPass = &environment->firstPass;
          world.postPass = &environment->postPass;
        } else {
          reportAtLine(ProblemLevel::kError, file,
                       "no environment is named %s (names are case-sensitive): the world has none",
                       word);
        }
      }
    }
    if (hasKeyword(line, "objects")) {
      known = true;
      checkValues(file, line, "objects %s", 1);
      if (secondWord(line, word)) {
        NamingLine naming(file);
        loadObjectFile(world.objects, word);
      }
    }
    if (hasKeyword(line, "system")) {
      known = true;
      checkValues(file, line, "system", 0);
      world.system = true;
    }
    if (hasKeyword(line, "scenedir")) {
      known = true;
      checkValues(file, line, "scenedir %s", 1);
      if (secondWord(line, word) && std::strlen(word) >= sizeof world.sceneDir)
        reportAtLine(ProblemLevel::kWarning, file, "the name is longer than %u characters: it is cut",
                     unsigned(sizeof world.sceneDir - 1));
      secondWord(line, world.sceneDir);
    }
    return known;
  });
  if (list.empty() && memberExists(fileName))
    reportProblem(ProblemLevel::kError, fileName, 0, "no world is described: there is nothing to show");
}
