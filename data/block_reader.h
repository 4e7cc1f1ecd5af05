#pragma once
// block_reader.h -- the begin ... end block grammar of object files

#include "data/data_file.h"

// The block grammar of object files: lines up to one that begins with
// "begin", then every line up to and including the first that begins with
// "end". Stops at the end of the data when a begin or end line is missing.
// What does not fit the grammar, and lines no keyword took, are told to the
// host (data/load_report.h) at their lines.
//
//   BlockReader block(objectFileReader, "sphere");
//   if (!block.findBegin()) ... no block;
//   ... block.line() is the begin line ...
//   while (block.next()) { test block.line() with block.has(keyword) ...;
//                          block.reportIfUnknown(); }
class BlockReader {
 public:
  // `kind` names the block in messages.
  BlockReader(DataFile& file, const char* kind) : file_(file), kind_(kind) {}

  // Reads lines until one begins with "begin"; false when the data ends first.
  bool findBegin();

  // Ends the block when the current line begins with "end" (or the data is
  // exhausted); otherwise reads the next line, which becomes line().
  bool next();

  // Reads the next line unconditionally: line `index` (1 to `count`) of a
  // kind's sub-block of fixed lines after its line `owner`. It becomes
  // line() and is subject to the end test of next(); an "end" line before
  // the sub-block's last does not end the block, which is reported.
  void consumeLine(const char* owner, int index, int count);

  const char* line() const { return line_; }
  // Whether the begin line carries more than the word "begin".
  bool beginHasName() const;

  // Whether the current line begins with `keyword` (data/line_rules.h);
  // a line that some keyword takes is a known line.
  bool has(const char* keyword) const;
  // Warns when no keyword took the current line (nor is it blank, a
  // comment or the "end" line).
  void reportIfUnknown();

  const DataFile& file() const { return file_; }
  unsigned beginLine() const { return beginLine_; }

 private:
  DataFile& file_;
  const char* kind_;
  char line_[kLineCapacity] = {};
  bool exhausted_ = false;
  mutable bool taken_ = false;
  unsigned beginLine_ = 0;
  unsigned terminatorLine_ = 0;  // an ENDWORLD line inside the block
};
