// scene_check_run.cpp -- orbivane-check: a scene loaded as the program loads it, and what the loaders said
#include "tools/check/scene_check_run.h"

#include <filesystem>
#include <system_error>

#include "data/archive.h"
#include "hostkit/console_host.h"
#include "hostkit/egl_context.h"
#include "hostkit/scene_check.h"
#include "render/session.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "usage: orbivane-check PATH\n"
    "Loads the scene of PATH (a data archive, or a folder: its data.sdd when it holds one,\n"
    "else its loose files) as Orbivane does and prints each problem as\n"
    "FILE:LINE: error|warning: message, then a summary.\n"
    "Exit status: 0 clean, 1 warnings only, 2 errors.\n";

}  // namespace

bool checkScene(ProblemList& problems, std::string& loaded, std::string& error) {
  EglContext context;
  const char* contextError = nullptr;
  if (!context.create(64, 64, &contextError)) {
    error = contextError ? contextError : "no OpenGL context";
    return false;
  }
  ConsoleHost host("orbivane-check", stderr);
  host.collectProblems(&problems);
  setHost(&host);
  // A view for the state loading sets up; its size changes nothing loaded.
  reshapeScene(800, 600);
  loadLoadingImages();
  loadScene();
  checkMusic();
  loaded = loadedSceneSummary();
  endScene();
  setHost(nullptr);
  return true;
}

int runCheck(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kUsage, out);
    return 0;
  }
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
    std::fputs(kUsage, err);
    return 2;
  }
  const std::string& path = args[0];
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    const std::string archive = path + "/data.sdd";
    if (folderHoldsArchive(path))
      std::fprintf(err, "orbivane-check: %s holds data.sdd: checking that archive, as Orbivane reads it\n",
                   path.c_str());
    setDataArchivePath(archive.c_str());
  } else if (fs::is_regular_file(path, ec)) {
    setDataArchivePath(path.c_str());
  } else {
    std::fprintf(err, "orbivane-check: %s: no such archive or folder\n", path.c_str());
    return 2;
  }

  ProblemList problems;
  std::string loaded, error;
  if (!checkScene(problems, loaded, error)) {
    std::fprintf(err, "orbivane-check: %s\n", error.c_str());
    return 2;
  }
  problems.print(out);
  std::fprintf(out, "%s: %s (%s)\n", path.c_str(), problems.counts().c_str(), loaded.c_str());
  return problems.exitStatus();
}
