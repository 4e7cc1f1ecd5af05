// keyword_values.cpp -- the values of a kind's keyword lines: vectors and single numbers
#include "scene/keyword_values.h"

#include <cstdio>

bool readVector(const char* line, const char* format, Vec3& out) {
  Vec3 v;
  if (std::sscanf(line, format, &v.x, &v.y, &v.z) != 3) return false;
  out = v;
  return true;
}

void readFloat(const char* line, const char* format, float& out) {
  float value;
  if (std::sscanf(line, format, &value) == 1) out = value;
}
