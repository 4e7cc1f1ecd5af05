// value_check.cpp -- a keyword line's values held against the format the loader reads them with
#include "data/value_check.h"

#include <cctype>
#include <cstdlib>
#include <string>

#include "data/data_file.h"
#include "data/load_report.h"

namespace {

bool blank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

const char* skipBlanks(const char* p) {
  while (blank(*p)) ++p;
  return p;
}

// The format as an author would read it: "position V(N N N)".
std::string readable(const char* format) {
  std::string text;
  for (const char* f = skipBlanks(format); *f; ++f) {
    if (*f != '%') {
      text += *f == '\t' ? ' ' : *f;
      continue;
    }
    const bool suppressed = f[1] == '*';
    if (suppressed) ++f;
    while (std::isdigit(static_cast<unsigned char>(f[1]))) ++f;
    ++f;
    text += *f == 's' ? "NAME" : "N";
  }
  return text;
}

std::string word(const char* p) {
  std::string text;
  while (*p && !blank(*p)) text += *p++;
  return text;
}

}  // namespace

int checkValues(const DataFile& file, const char* line, const char* format, int required) {
  const char* p = line;
  int found = 0;
  bool inVector = false;      // between "(" and ")" of the format
  bool valueMissing = false;  // the line ended where a value belongs
  bool complete = true;       // the whole format was matched
  for (const char* f = format; *f; ++f) {
    if (blank(*f)) {
      p = skipBlanks(p);
      continue;
    }
    if (*f != '%') {
      if (*p == *f) {
        if (*f == '(' || *f == ')') inVector = *f == '(';
        ++p;
        continue;
      }
      complete = false;
      if (*skipBlanks(p) == '\0') break;
      reportAtLine(ProblemLevel::kError, file, "'%s' does not fit: the line reads '%s'", p,
                   readable(format).c_str());
      return found;
    }
    if (f[1] == '*') ++f;
    while (std::isdigit(static_cast<unsigned char>(f[1]))) ++f;
    const char conversion = *++f;
    p = skipBlanks(p);
    // The line ends, or its vector closes, where a value belongs.
    if (*p == '\0' || (inVector && *p == ')')) {
      complete = false;
      valueMissing = true;
      break;
    }
    char* end = const_cast<char*>(p);
    if (conversion == 'f')
      std::strtof(p, &end);
    else if (conversion == 'd')
      std::strtol(p, &end, 10);
    else
      while (*end && !blank(*end)) ++end;
    if (end == p) {
      reportAtLine(ProblemLevel::kError, file, "'%s' is not a number: the line reads '%s'",
                   word(p).c_str(), readable(format).c_str());
      return found;
    }
    p = end;
    ++found;
  }
  if (found < required || (valueMissing && inVector)) {
    reportAtLine(ProblemLevel::kError, file, "values are missing: the line reads '%s'",
                 readable(format).c_str());
  } else if (complete && *skipBlanks(p) != '\0') {
    reportAtLine(ProblemLevel::kWarning, file, "'%s' is left over and ignored: the line reads '%s'",
                 skipBlanks(p), readable(format).c_str());
  }
  return found;
}
