#pragma once
// console_host.h -- the part of a host that has no message box: messages go to a stream

#include <cstdio>
#include <string>

#include "host/host.h"
#include "hostkit/problem_list.h"

// Messages read "program: caption: text", one a line, on `stream`.
class ConsoleHost : public Host {
 public:
  ConsoleHost(const char* program, std::FILE* stream) : program_(program), stream_(stream) {}

  // Quiet while problems are collected: the list tells the same.
  void showMessage(const char* text, const char* caption) override;
  void dataProblem(ProblemLevel level, const char* file, unsigned line,
                   const char* message) override;

  // The loaders' problems go to `problems` from now on (none: ignored).
  void collectProblems(ProblemList* problems) { problems_ = problems; }

  // After loading: says why there is nothing to show, when there is nothing
  // (no data folder or archive, or no world in it); a cancelled load says
  // nothing.
  void reportEmptyScene(const std::string& dataDir);

 private:
  const char* program_;
  std::FILE* stream_;
  ProblemList* problems_ = nullptr;
};
