#pragma once
// line_rules.h -- the line rules every text format shares: keywords, words, line capacity

#include <cstddef>

// The rules every text format shares: a case-sensitive keyword at the very
// start of the line, matched over the keyword's own length (so "end" also
// matches "endless" and a keyword may begin with a tab).
bool hasKeyword(const char* line, const char* keyword);

// A line that says nothing to any loader: empty, blanks only, or a comment
// that begins with "#" (no keyword does).
bool isBlankOrComment(const char* line);

// The line's second word (the first after the keyword, "%s" style), cut to
// fit `capacity` bytes with its terminator. False, leaving `out` unchanged,
// when there is no second word.
bool secondWord(const char* line, char* out, std::size_t capacity);

template <std::size_t N>
bool secondWord(const char* line, char (&out)[N]) {
  return secondWord(line, out, N);
}
