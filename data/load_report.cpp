// load_report.cpp -- problems the loaders meet in the scene's data, told to the host
#include "data/load_report.h"

#include <cstdarg>
#include <cstdio>

#include "data/archive.h"
#include "data/data_file.h"
#include "data/line_rules.h"

namespace {

NamingLine* innermost = nullptr;

std::string formatted(const char* format, std::va_list args) {
  char text[512];
  std::vsnprintf(text, sizeof text, format, args);
  return text;
}

}  // namespace

void reportProblem(ProblemLevel level, const char* file, unsigned line, const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const std::string message = formatted(format, args);
  va_end(args);
  host().dataProblem(level, file, line, message.c_str());
}

void reportAtLine(ProblemLevel level, const DataFile& file, const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const std::string message = formatted(format, args);
  va_end(args);
  host().dataProblem(level, file.name, file.line, message.c_str());
}

NamingLine::NamingLine(const DataFile& file)
    : file_(file.name), line_(file.line), outer_(innermost) {
  innermost = this;
}

NamingLine::~NamingLine() { innermost = outer_; }

void reportMember(ProblemLevel level, const char* member, const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const std::string message = formatted(format, args);
  va_end(args);
  if (innermost)
    host().dataProblem(level, innermost->file_.c_str(), innermost->line_,
                       (std::string(member) + " " + message).c_str());
  else
    host().dataProblem(level, member, 0, message.c_str());
}

const char* whyNotOpened(const char* member) {
  return memberExists(member) ? "cannot be read" : "is missing";
}

void reportLinesAfterEnd(DataFile& file, const char* marker) {
  const unsigned markerLine = file.line;
  char line[kLineCapacity];
  while (!file.pastEnd()) {
    file.readLine(line);
    if (isBlankOrComment(line)) continue;
    reportAtLine(ProblemLevel::kWarning, file,
                 "nothing after %s (line %u) is read: this line and any after it are ignored",
                 marker, markerLine);
    return;
  }
}
