#pragma once
// render_state.h -- the settings, the drawable's size and the host of a render test, restored when it ends

#include "gl/gl_state.h"
#include "host/host.h"
#include "host/settings.h"

class RenderStateGuard {
 public:
  RenderStateGuard() : settings_(settings), drawable_(drawableSize), host_(&host()) {}
  ~RenderStateGuard() {
    settings = settings_;
    drawableSize = drawable_;
    setHost(host_);
  }
  RenderStateGuard(const RenderStateGuard&) = delete;
  RenderStateGuard& operator=(const RenderStateGuard&) = delete;

 private:
  Settings settings_;
  DrawableSize drawable_;
  Host* host_;
};
