// member_name.cpp -- how the data's members are named, in an archive or a folder
#include "data/member_name.h"

namespace {

char folded(char c) {
  if (c == '\\') return '/';
  if (c >= 'A' && c <= 'Z') return char(c - 'A' + 'a');
  return c;
}

}  // namespace

bool sameMemberName(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b)
    if (folded(*a) != folded(*b)) return false;
  return *a == *b;
}
