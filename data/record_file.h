#pragma once
// record_file.h -- the one way "env.txt" and "worlds.txt" are read: named blocks up to a terminator

#include "data/data_file.h"
#include "data/line_rules.h"
#include "data/owning_list.h"

// Reads `fileName`: a line that begins with `keyword` ("env space") starts a
// record named by its second word, whose lines up to and including the next
// "end" line (or the end of the data) go, one at a time, to
// readLine(record, line); the record then joins the list. A `terminator`
// line between blocks, or the end of the data, ends the file.
template <class Record, class ReadLine>
void loadRecords(OwningList<Record>& list, const char* fileName, const char* keyword,
                 const char* terminator, ReadLine readLine) {
  DataFile file;
  file.open(fileName);
  char line[kLineCapacity];
  while (!file.pastEnd()) {
    file.readLine(line);
    if (hasKeyword(line, terminator)) break;
    if (!hasKeyword(line, keyword)) continue;
    auto* record = new Record;
    secondWord(line, record->name);
    do {
      file.readLine(line);
      readLine(*record, line);
    } while (!hasKeyword(line, "end") && !file.pastEnd());
    list.add(record);
  }
}
