// command_line.cpp -- the switches the screensaver host starts us with: /c, /p, /s, /t
#include "app/command_line.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The program path is skipped whole when quoted, else up to its first space.
const char* skipProgramPath(const char* p) {
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p && *p != ' ') ++p;
    if (*p == ' ') ++p;
  }
  return p;
}

// The first decimal number anywhere after p, leading digits only; 0 when
// there is none. Saturates rather than overflowing on absurd lengths.
std::uintptr_t numberAfter(const char* p) {
  while (*p && !isDigit(*p)) ++p;
  std::uintptr_t value = 0;
  constexpr std::uintptr_t kLimit = ~std::uintptr_t(0) / 10 - 9;
  for (; isDigit(*p); ++p) value = value < kLimit ? value * 10 + std::uintptr_t(*p - '0') : ~std::uintptr_t(0);
  return value;
}

}  // namespace

RunMode parseCommandLine(const char* text, std::uintptr_t& parentWindow) {
  parentWindow = 0;
  if (!text) return RunMode::Configure;
  const char* p = skipProgramPath(text);
  while (*p && *p != '/' && *p != '-') ++p;
  if (!*p) return RunMode::Configure;
  const char letter = p[1];
  switch (letter) {
    case 'c':
    case 'C':
      parentWindow = numberAfter(p + 2);
      return RunMode::Configure;
    case 'p':
    case 'P':
      parentWindow = numberAfter(p + 2);
      return RunMode::Preview;
    case 't':
    case 'T':
      return RunMode::Test;
    default:
      return RunMode::Saver;
  }
}
