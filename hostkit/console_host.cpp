// console_host.cpp -- the part of a host that has no message box: messages go to a stream
#include "hostkit/console_host.h"

#include "data/archive.h"
#include "render/frame.h"

void ConsoleHost::showMessage(const char* text, const char* caption) {
  std::fprintf(stream_, "%s: %s: %s\n", program_, caption, text);
}

void ConsoleHost::reportEmptyScene(const std::string& dataDir) {
  std::string reason = missingArchiveReason(dataDir);
  if (reason.empty() && !currentWorld && !loadingCancelled())
    reason = dataDir + "/data.sdd holds no scene to show";
  if (!reason.empty()) std::fprintf(stream_, "%s: %s: nothing to show\n", program_, reason.c_str());
}
