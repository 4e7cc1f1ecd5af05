#pragma once
// block_reader.h -- the begin ... end block grammar of object files

#include "data/data_file.h"

// The block grammar of object files: lines up to one that begins with
// "begin", then every line up to and including the first that begins with
// "end". Stops at the end of the data when a begin or end line is missing.
//
//   BlockReader block(objectFileReader);
//   if (!block.findBegin()) ... no block;
//   ... block.line() is the begin line ...
//   while (block.next()) { test block.line() against the kind's keywords }
class BlockReader {
 public:
  explicit BlockReader(DataFile& file) : file_(file) {}

  // Reads lines until one begins with "begin"; false when the data ends first.
  bool findBegin();

  // Ends the block when the current line begins with "end" (or the data is
  // exhausted); otherwise reads the next line, which becomes line().
  bool next();

  // Reads the next line unconditionally (a kind's sub-block of fixed lines).
  // It becomes line() and is subject to the end test of next().
  void consumeLine();

  const char* line() const { return line_; }
  // Whether the begin line carries more than the word "begin".
  bool beginHasName() const;

 private:
  DataFile& file_;
  char line_[kLineCapacity] = {};
  bool exhausted_ = false;
};
