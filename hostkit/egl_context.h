#pragma once
// egl_context.h -- an off-screen OpenGL context on EGL, for the headless host and the tests

// An off-screen OpenGL compatibility context on Mesa's surfaceless EGL
// platform: no display or window needed.
class EglContext {
 public:
  EglContext() = default;
  EglContext(const EglContext&) = delete;
  EglContext& operator=(const EglContext&) = delete;
  ~EglContext();

  // Creates a width x height pbuffer with RGBA, 24-bit depth and 8-bit
  // stencil and makes the context current. False, with a reason, on failure.
  bool create(int width, int height, const char** error);

  // A GL function's address (eglGetProcAddress), for the host's glProcAddress.
  static void* procAddress(const char* name);

 private:
  void* display_ = nullptr;
  void* surface_ = nullptr;
  void* context_ = nullptr;
};
