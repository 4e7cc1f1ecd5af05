// record_file.cpp -- what the record files' loader tells the host about lines around the records
#include "data/record_file.h"

#include <cstdio>
#include <cstring>

void RecordFileCheck::outsideBlock(const char* line) const {
  if (isBlankOrComment(line)) return;
  reportAtLine(ProblemLevel::kWarning, file_,
               "unknown line, ignored: between blocks only '%s NAME' and %s are read", keyword_,
               terminator_);
}

void RecordFileCheck::blockStart(const char* line, std::size_t capacity) {
  blockLine_ = file_.line;
  char name[kLineCapacity];
  if (!secondWord(line, name)) {
    reportAtLine(ProblemLevel::kWarning, file_, "the %s has no name", keyword_);
    return;
  }
  if (std::strlen(name) >= capacity)
    reportAtLine(ProblemLevel::kWarning, file_, "the name is longer than %u characters: it is cut",
                 unsigned(capacity - 1));
  name[capacity - 1] = '\0';
  const auto [first, added] = names_.emplace(name, file_.line);
  if (!added)
    reportAtLine(ProblemLevel::kWarning, file_,
                 "the name %s is used already at line %u: that %s is the one found", name,
                 first->second, keyword_);
}

void RecordFileCheck::unknownInBlock(const char* line) {
  if (isBlankOrComment(line) || hasKeyword(line, "end")) return;
  // Told with the block's end, or its lack.
  if (hasKeyword(line, terminator_)) {
    terminatorLine_ = file_.line;
    return;
  }
  if (hasKeyword(line, keyword_)) {
    char word[kLineCapacity] = {};
    std::sscanf(line, "%127s", word);
    reportAtLine(ProblemLevel::kError, file_,
                 "%s inside the %s block of line %u: that block has no 'end', so this line is read "
                 "as one of its lines",
                 word, keyword_, blockLine_);
    return;
  }
  char keyword[kLineCapacity] = {};
  std::sscanf(line, "%127s", keyword);
  reportAtLine(ProblemLevel::kWarning, file_, "unknown keyword '%s' in a %s block, ignored", keyword,
               keyword_);
}

void RecordFileCheck::blockEnd(const char* lastLine) {
  ranOut_ = !hasKeyword(lastLine, "end");
  if (ranOut_ && terminatorLine_ != 0)
    reportProblem(ProblemLevel::kError, file_.name, blockLine_,
                  "the %s block has no 'end' line: it runs to the end of the file, over the %s of "
                  "line %u",
                  keyword_, terminator_, terminatorLine_);
  else if (ranOut_)
    reportProblem(ProblemLevel::kError, file_.name, blockLine_,
                  "the %s block has no 'end' line: it runs to the end of the file", keyword_);
  else if (terminatorLine_ != 0)
    reportProblem(ProblemLevel::kWarning, file_.name, terminatorLine_,
                  "%s inside the %s block of line %u is read as one of its lines", terminator_,
                  keyword_, blockLine_);
  terminatorLine_ = 0;
}

void RecordFileCheck::fileEnd(bool terminated) const {
  if (!terminated && !ranOut_ && file_.size > 0)
    reportProblem(ProblemLevel::kWarning, file_.name, file_.line, "the file has no %s line",
                  terminator_);
}
