#pragma once
// problem_list.h -- the problems the loaders report, collected and printed as FILE:LINE: level: message

#include <cstdio>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "host/host.h"

// The problems one load of the scene reported (Host::dataProblem), each
// once, printed the way editors and build logs take them.
class ProblemList {
 public:
  // `file` is the member's name; it is kept as the path an author finds it
  // at (data/archive.h), so add while the data that was loaded is set.
  void add(ProblemLevel level, const char* file, unsigned line, const char* message);
  void clear() {
    problems_.clear();
    seen_.clear();
  }

  int errors() const;
  int warnings() const;
  // 0 when clean, 1 with warnings only, 2 with errors.
  int exitStatus() const;

  // "FILE:LINE: error: message" a line ("FILE: ..." for a whole file), the
  // files in the order they were first named, each file's lines in order.
  void print(std::FILE* out) const;
  // "2 errors, 1 warning".
  std::string counts() const;

 private:
  struct Problem {
    ProblemLevel level;
    std::string file;
    unsigned line;
    std::string message;
  };
  std::vector<Problem> problems_;
  std::set<std::tuple<int, std::string, unsigned, std::string>> seen_;  // to keep each once
};
