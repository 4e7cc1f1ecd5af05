#pragma once
// console_host.h -- the part of a host that has no message box: messages go to a stream

#include <cstdio>
#include <string>

#include "host/host.h"

// Messages read "program: caption: text", one a line, on `stream`.
class ConsoleHost : public Host {
 public:
  ConsoleHost(const char* program, std::FILE* stream) : program_(program), stream_(stream) {}

  void showMessage(const char* text, const char* caption) override;

  // After loading: says why there is nothing to show, when there is nothing
  // (no data folder or archive, or no world in it); a cancelled load says
  // nothing.
  void reportEmptyScene(const std::string& dataDir);

 private:
  const char* program_;
  std::FILE* stream_;
};
