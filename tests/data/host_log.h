#pragma once
// host_log.h -- a test host that records the messages and loading steps the core sends it

#include <string>
#include <vector>

#include "host/host.h"

// Installed while it lives; the host before it comes back at its end.
class HostLog : public Host {
 public:
  struct Message {
    std::string text, caption;
  };

  HostLog() : previous_(&host()) { setHost(this); }
  ~HostLog() override { setHost(previous_); }
  HostLog(const HostLog&) = delete;
  HostLog& operator=(const HostLog&) = delete;

  void showMessage(const char* text, const char* caption) override {
    messages.push_back({text, caption});
  }
  void loadingStep() override { ++loadingSteps; }

  std::vector<Message> messages;
  int loadingSteps = 0;

 private:
  Host* previous_;
};
