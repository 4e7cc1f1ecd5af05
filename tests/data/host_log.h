#pragma once

// Records what the core shows through the host hooks while it lives.
#include <string>
#include <vector>

#include "host/host_hooks.h"

class HostLog {
 public:
  struct Message {
    std::string text, caption;
  };

  HostLog() : saved_(hostHooks) {
    current() = this;
    hostHooks.showMessage = [](const char* text, const char* caption) {
      current()->messages.push_back({text, caption});
    };
    hostHooks.loadingStep = [] { ++current()->loadingSteps; };
  }
  ~HostLog() {
    hostHooks = saved_;
    current() = nullptr;
  }
  HostLog(const HostLog&) = delete;
  HostLog& operator=(const HostLog&) = delete;

  std::vector<Message> messages;
  int loadingSteps = 0;

 private:
  static HostLog*& current() {
    static HostLog* log = nullptr;
    return log;
  }
  HostHooks saved_;
};
