// block_reader.cpp -- the begin ... end block grammar of object files
#include "data/block_reader.h"

#include <cstdio>
#include <cstring>

#include "data/line_rules.h"
#include "data/load_report.h"

bool BlockReader::findBegin() {
  const unsigned typeLine = file_.line;
  while (!exhausted_) {
    exhausted_ = !file_.readLine(line_);
    if (hasKeyword(line_, "begin")) {
      beginLine_ = file_.line;
      return true;
    }
    if (!isBlankOrComment(line_))
      reportAtLine(ProblemLevel::kWarning, file_, "ignored: only 'begin' is looked for after '%s'",
                   kind_);
  }
  reportProblem(ProblemLevel::kError, file_.name, typeLine,
                "no 'begin' follows this '%s': the rest of the file is skipped", kind_);
  return false;
}

bool BlockReader::next() {
  if (hasKeyword(line_, "end")) {
    if (terminatorLine_ != 0)
      reportProblem(ProblemLevel::kWarning, file_.name, terminatorLine_,
                    "ENDWORLD inside the %s block of line %u is read as one of its lines", kind_,
                    beginLine_);
    return false;
  }
  if (exhausted_) {
    if (terminatorLine_ != 0)
      reportProblem(ProblemLevel::kError, file_.name, beginLine_,
                    "the %s block has no 'end' line: it runs to the end of the file, over the "
                    "ENDWORLD of line %u",
                    kind_, terminatorLine_);
    else
      reportProblem(ProblemLevel::kError, file_.name, beginLine_,
                    "the %s block has no 'end' line: it runs to the end of the file", kind_);
    return false;
  }
  exhausted_ = !file_.readLine(line_) || exhausted_;
  taken_ = false;
  if (hasKeyword(line_, "begin"))
    reportAtLine(ProblemLevel::kError, file_,
                 "'begin' inside the %s block of line %u: that block has no 'end', so this "
                 "object and its lines go to it",
                 kind_, beginLine_);
  return true;
}

void BlockReader::consumeLine(const char* owner, int index, int count) {
  // The last line of the data is still handed out; only the call after it
  // finds the block over.
  exhausted_ = !file_.readLine(line_) || exhausted_;
  taken_ = true;
  if (index < count && hasKeyword(line_, "end"))
    reportAtLine(ProblemLevel::kError, file_,
                 "'%s' takes the %d lines after it, and this 'end' is line %d of them: the %s block "
                 "does not end here",
                 owner, count, index, kind_);
}

bool BlockReader::beginHasName() const { return std::strlen(line_) > 5; }

bool BlockReader::has(const char* keyword) const {
  const bool found = hasKeyword(line_, keyword);
  if (found) taken_ = true;
  return found;
}

void BlockReader::reportIfUnknown() {
  if (taken_ || isBlankOrComment(line_) || hasKeyword(line_, "end") || hasKeyword(line_, "begin"))
    return;
  // Told with the block's end, or its lack.
  if (hasKeyword(line_, "ENDWORLD")) {
    terminatorLine_ = file_.line;
    return;
  }
  char keyword[kLineCapacity] = {};
  std::sscanf(line_, "%127s", keyword);
  reportAtLine(ProblemLevel::kWarning, file_, "unknown keyword '%s' in a %s block, ignored", keyword,
               kind_);
}
