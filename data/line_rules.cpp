// line_rules.cpp -- the line rules every text format shares: keywords, words, line capacity
#include "data/line_rules.h"

#include <cstring>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

bool hasKeyword(const char* line, const char* keyword) {
  return std::strncmp(line, keyword, std::strlen(keyword)) == 0;
}

bool isBlankOrComment(const char* line) {
  while (isBlank(*line)) ++line;
  return *line == '\0' || *line == '#';
}

bool secondWord(const char* line, char* out, std::size_t capacity) {
  const char* p = line;
  while (isBlank(*p)) ++p;
  while (*p && !isBlank(*p)) ++p;  // the keyword
  while (isBlank(*p)) ++p;
  if (!*p || capacity == 0) return false;
  std::size_t n = 0;
  while (p[n] && !isBlank(p[n])) ++n;
  if (n > capacity - 1) n = capacity - 1;
  std::memcpy(out, p, n);
  out[n] = '\0';
  return true;
}
