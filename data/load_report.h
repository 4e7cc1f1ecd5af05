#pragma once
// load_report.h -- problems the loaders meet in the scene's data, told to the host

#include <string>

#include "host/host.h"

class DataFile;

// Tells the host (Host::dataProblem) of a problem at `line` of the member
// `file`, 0 for the member as a whole; the message is printf-style.
void reportProblem(ProblemLevel level, const char* file, unsigned line, const char* format, ...);

// The same at the line `file` read last.
void reportAtLine(ProblemLevel level, const DataFile& file, const char* format, ...);

// While one lives, problems with a whole member (missing, unreadable, not
// what it should be) are told at the line that named it: the line `file`
// had read last when the NamingLine was made. They nest.
class NamingLine {
 public:
  explicit NamingLine(const DataFile& file);
  ~NamingLine();
  NamingLine(const NamingLine&) = delete;
  NamingLine& operator=(const NamingLine&) = delete;

 private:
  friend void reportMember(ProblemLevel, const char*, const char*, ...);
  std::string file_;
  unsigned line_;
  NamingLine* outer_;
};

// A problem with the whole member `member`: "MEMBER message" at the naming
// line in force, else "message" at the member itself.
void reportMember(ProblemLevel level, const char* member, const char* format, ...);

// Why `member` could not be opened: "is missing" or "cannot be read".
const char* whyNotOpened(const char* member);

// Reads the rest of `file`, which has just read its end marker `marker`, and
// warns at the first line after it that is neither blank nor a comment:
// nothing after the marker is read.
void reportLinesAfterEnd(DataFile& file, const char* marker);
