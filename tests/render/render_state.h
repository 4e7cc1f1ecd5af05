#pragma once

// Settings and host hooks for a render test, restored when it ends.
#include "host/host_hooks.h"
#include "host/settings.h"

class RenderStateGuard {
 public:
  RenderStateGuard() : settings_(settings), hooks_(hostHooks) {}
  ~RenderStateGuard() {
    settings = settings_;
    hostHooks = hooks_;
  }
  RenderStateGuard(const RenderStateGuard&) = delete;
  RenderStateGuard& operator=(const RenderStateGuard&) = delete;

 private:
  Settings settings_;
  HostHooks hooks_;
};
