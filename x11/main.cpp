// main.cpp -- orbivane, the Linux program: screensaver hosts' GL effect and full-screen flight
#include <cstdio>
#include <string>

#include "x11/data_folder.h"
#include "x11/options.h"
#include "x11/stop_request.h"
#include "x11/x11_run.h"
#include "x11/xscreensaver_list.h"

namespace {

std::string describeSearch(const std::vector<std::string>& folders) {
  std::string text;
  for (const std::string& folder : folders) text += (text.empty() ? "" : ", then ") + folder;
  return text.empty() ? "the current folder" : text;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> folders =
      dataFolderCandidates(ORBIVANE_INSTALLED_DATA_DIR, executableFolder());
  X11Options options;
  std::string error;
  if (!parseX11Options(argc, argv, options, &error)) {
    std::fprintf(stderr, "orbivane: %s\n%s", error.c_str(), x11Usage(describeSearch(folders)).c_str());
    return 1;
  }
  if (options.help) {
    std::fputs(x11Usage(describeSearch(folders)).c_str(), stdout);
    return 0;
  }
  if (options.version) {
    std::printf("orbivane %s\n", ORBIVANE_VERSION);
    return 0;
  }
  if (options.addToXScreenSaver || options.useInXScreenSaver) {
    const std::string command = xscreensaverCommand(executablePath());
    if (command.empty()) {
      std::fprintf(stderr, "orbivane: this program's path cannot go into a settings file: %s\n",
                   executablePath().c_str());
      return 1;
    }
    return putOnXScreenSaverList(xscreensaverFile(), command, options.useInXScreenSaver);
  }
  const int status =
      runX11(options, options.dataDir.empty() ? findDataFolder(folders) : options.dataDir);
  endByStopSignal();
  return status;
}
