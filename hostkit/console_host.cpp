// console_host.cpp -- the part of a host that has no message box: messages go to a stream
#include "hostkit/console_host.h"

#include "data/archive.h"
#include "render/frame.h"

void ConsoleHost::showMessage(const char* text, const char* caption) {
  if (!problems_) std::fprintf(stream_, "%s: %s: %s\n", program_, caption, text);
}

void ConsoleHost::dataProblem(ProblemLevel level, const char* file, unsigned line,
                              const char* message) {
  if (problems_) problems_->add(level, file, line, message);
}

void ConsoleHost::reportEmptyScene(const std::string& dataDir) {
  std::string reason = missingArchiveReason(dataDir);
  if (reason.empty() && !currentWorld && !loadingCancelled())
    reason = "the data in " + dataDir + " holds no world to show";
  if (!reason.empty()) std::fprintf(stream_, "%s: %s: nothing to show\n", program_, reason.c_str());
}
