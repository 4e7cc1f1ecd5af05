// keyword_values.cpp -- the values of a kind's keyword lines: vectors, single numbers and flags
#include "scene/keyword_values.h"

#include <cstdarg>
#include <cstdio>

#include "data/block_reader.h"
#include "data/data_file.h"
#include "data/value_check.h"

int scanValues(const char* line, int required, const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const int read = std::vsscanf(line, format, args);
  va_end(args);
  checkValues(objectFileReader, line, format, required);
  return read;
}

void checkLine(const char* line, int required, const char* format) {
  checkValues(objectFileReader, line, format, required);
}

bool readVector(const char* line, const char* format, Vec3& out, int required) {
  Vec3 v;
  if (scanValues(line, required, format, &v.x, &v.y, &v.z) != 3) return false;
  out = v;
  return true;
}

void readFloat(const char* line, const char* format, float& out) {
  float value;
  if (scanValues(line, 1, format, &value) == 1) out = value;
}

bool flagLine(const BlockReader& block, const char* keyword) {
  if (!block.has(keyword)) return false;
  checkLine(block.line(), 0, keyword);
  return true;
}
