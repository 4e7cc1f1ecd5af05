#pragma once
// render_state.h -- the settings, the GL state record and the host of a render test, restored when it ends

#include "gl/gl_state.h"
#include "host/host.h"
#include "host/settings.h"

class RenderStateGuard {
 public:
  RenderStateGuard() : settings_(settings), gl_(glState), host_(&host()) {}
  ~RenderStateGuard() {
    settings = settings_;
    glState = gl_;
    setHost(host_);
  }
  RenderStateGuard(const RenderStateGuard&) = delete;
  RenderStateGuard& operator=(const RenderStateGuard&) = delete;

 private:
  Settings settings_;
  GlState gl_;
  Host* host_;
};
