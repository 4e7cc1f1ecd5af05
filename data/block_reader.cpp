// block_reader.cpp -- the begin ... end block grammar of object files
#include "data/block_reader.h"

#include <cstring>

#include "data/line_rules.h"

bool BlockReader::findBegin() {
  while (!exhausted_) {
    exhausted_ = !file_.readLine(line_);
    if (hasKeyword(line_, "begin")) return true;
  }
  return false;
}

bool BlockReader::next() {
  if (exhausted_ || hasKeyword(line_, "end")) return false;
  consumeLine();
  return true;
}

void BlockReader::consumeLine() {
  // The last line of the data is still handed out; only the call after it
  // finds the block over.
  exhausted_ = !file_.readLine(line_) || exhausted_;
}

bool BlockReader::beginHasName() const { return std::strlen(line_) > 5; }
