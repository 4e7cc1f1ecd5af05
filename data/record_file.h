#pragma once
// record_file.h -- the one way "env.txt" and "worlds.txt" are read: named blocks up to a terminator

#include <cstddef>
#include <map>
#include <string>

#include "data/data_file.h"
#include "data/line_rules.h"
#include "data/load_report.h"
#include "data/owning_list.h"

// What a record file's loader tells the host about the lines around its
// records' own keywords (data/load_report.h).
class RecordFileCheck {
 public:
  RecordFileCheck(const DataFile& file, const char* keyword, const char* terminator)
      : file_(file), keyword_(keyword), terminator_(terminator) {}

  // A line between blocks that starts none.
  void outsideBlock(const char* line) const;
  // A block's first line: its name, which a field of `capacity` bytes holds.
  void blockStart(const char* line, std::size_t capacity);
  // A line inside the block that no keyword of the record took.
  void unknownInBlock(const char* line);
  // After the block: whether its "end" line came.
  void blockEnd(const char* lastLine);
  // After the file: whether its terminator came.
  void fileEnd(bool terminated) const;

 private:
  const DataFile& file_;
  const char* keyword_;
  const char* terminator_;
  unsigned blockLine_ = 0;
  bool ranOut_ = false;          // the last block ran to the end of the file
  unsigned terminatorLine_ = 0;  // a terminator line inside the current block
  std::map<std::string, unsigned> names_;
};

// Reads `fileName`: a line that begins with `keyword` ("env space") starts a
// record named by its second word, whose lines up to and including the next
// "end" line (or the end of the data) go, one at a time, to
// readLine(record, file, line), which returns whether a keyword of the
// record took the line; the record then joins the list. A `terminator` line
// between blocks, or the end of the data, ends the file.
template <class Record, class ReadLine>
void loadRecords(OwningList<Record>& list, const char* fileName, const char* keyword,
                 const char* terminator, ReadLine readLine) {
  DataFile file;
  if (!file.open(fileName))
    reportMember(ProblemLevel::kError, fileName, "%s: the scene has none of what it describes",
                 whyNotOpened(fileName));
  RecordFileCheck check(file, keyword, terminator);
  char line[kLineCapacity];
  bool terminated = false;
  while (!file.pastEnd()) {
    file.readLine(line);
    if (hasKeyword(line, terminator)) {
      terminated = true;
      reportLinesAfterEnd(file, terminator);
      break;
    }
    if (!hasKeyword(line, keyword)) {
      check.outsideBlock(line);
      continue;
    }
    auto* record = new Record;
    secondWord(line, record->name);
    check.blockStart(line, sizeof record->name);
    do {
      file.readLine(line);
      if (!readLine(*record, static_cast<const DataFile&>(file), line)) check.unknownInBlock(line);
    } while (!hasKeyword(line, "end") && !file.pastEnd());
    check.blockEnd(line);
    list.add(record);
  }
  check.fileEnd(terminated);
}
