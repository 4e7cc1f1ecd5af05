// scene_watch.cpp -- the author's loop: the scene loaded again when its files change, its problems printed
#include "x11/scene_watch.h"

#include <chrono>

#include "data/archive.h"
#include "hostkit/scene_check.h"
#include "render/session.h"

SceneWatch::SceneWatch(const std::string& dataDir, ConsoleHost& host, std::FILE* out)
    : dataDir_(dataDir), host_(host), out_(out), folder_(dataDir) {
  host_.collectProblems(&problems_);
  std::fprintf(out_, "orbivane: watching %s: a change there loads the scene again\n",
               dataDir_.c_str());
  if (folderHoldsArchive(dataDir_))
    std::fprintf(out_, "orbivane: %s/data.sdd is what is shown, not the loose files beside it\n",
                 dataDir_.c_str());
}

SceneWatch::~SceneWatch() { host_.collectProblems(nullptr); }

void SceneWatch::printFirstLoad() {
  checkMusic();
  print();
}

void SceneWatch::poll() {
  if (!folder_.changedAndSettled()) return;
  problems_.clear();
  const auto start = std::chrono::steady_clock::now();
  reloadScene();
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::fprintf(out_, "orbivane: %s changed: the scene loaded again in %.2f s\n", dataDir_.c_str(),
               took.count());
  checkMusic();
  print();
}

void SceneWatch::print() {
  problems_.print(out_);
  std::fprintf(out_, "orbivane: %s: %s (%s)\n", dataDir_.c_str(), problems_.counts().c_str(),
               loadedSceneSummary().c_str());
  std::fflush(out_);
}
