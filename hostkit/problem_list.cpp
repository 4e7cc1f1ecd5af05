// problem_list.cpp -- the problems the loaders report, collected and printed as FILE:LINE: level: message
#include "hostkit/problem_list.h"

#include <algorithm>
#include <utility>

#include "data/archive.h"

void ProblemList::add(ProblemLevel level, const char* file, unsigned line, const char* message) {
  Problem problem{level, memberDisplayPath(file), line, message};
  if (!seen_.emplace(int(level), problem.file, line, problem.message).second) return;
  problems_.push_back(std::move(problem));
}

int ProblemList::errors() const {
  return int(std::count_if(problems_.begin(), problems_.end(),
                           [](const Problem& p) { return p.level == ProblemLevel::kError; }));
}

int ProblemList::warnings() const { return int(problems_.size()) - errors(); }

int ProblemList::exitStatus() const { return errors() > 0 ? 2 : warnings() > 0 ? 1 : 0; }

void ProblemList::print(std::FILE* out) const {
  std::vector<std::string> files;
  for (const Problem& p : problems_)
    if (std::find(files.begin(), files.end(), p.file) == files.end()) files.push_back(p.file);
  std::vector<const Problem*> ordered;
  for (const Problem& p : problems_) ordered.push_back(&p);
  std::stable_sort(ordered.begin(), ordered.end(), [&files](const Problem* a, const Problem* b) {
    const auto fileA = std::find(files.begin(), files.end(), a->file);
    const auto fileB = std::find(files.begin(), files.end(), b->file);
    return fileA != fileB ? fileA < fileB : a->line < b->line;
  });
  for (const Problem* p : ordered) {
    const char* level = p->level == ProblemLevel::kError ? "error" : "warning";
    if (p->line > 0)
      std::fprintf(out, "%s:%u: %s: %s\n", p->file.c_str(), p->line, level, p->message.c_str());
    else
      std::fprintf(out, "%s: %s: %s\n", p->file.c_str(), level, p->message.c_str());
  }
}

std::string ProblemList::counts() const {
  const int e = errors(), w = warnings();
  return std::to_string(e) + (e == 1 ? " error, " : " errors, ") + std::to_string(w) +
         (w == 1 ? " warning" : " warnings");
}
