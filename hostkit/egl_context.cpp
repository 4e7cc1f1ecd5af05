// egl_context.cpp -- an off-screen OpenGL context on EGL, for the headless host and the tests
#include "hostkit/egl_context.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

EglContext::~EglContext() {
  if (!display_) return;
  eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  if (context_) eglDestroyContext(display_, context_);
  if (surface_) eglDestroySurface(display_, surface_);
  eglTerminate(display_);
}

bool EglContext::create(int width, int height, const char** error) {
  auto fail = [error](const char* why) {
    if (error) *error = why;
    return false;
  };
  auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
      eglGetProcAddress("eglGetPlatformDisplayEXT"));
  if (!getPlatformDisplay) return fail("EGL has no eglGetPlatformDisplayEXT");
  display_ = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  if (!display_ || !eglInitialize(display_, nullptr, nullptr))
    return fail("no surfaceless EGL display");

  const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT,
                                     EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                     EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8,
                                     EGL_ALPHA_SIZE, 8, EGL_DEPTH_SIZE, 24,
                                     EGL_STENCIL_SIZE, 8, EGL_NONE};
  EGLConfig config;
  EGLint count = 0;
  if (!eglChooseConfig(display_, configAttributes, &config, 1, &count) || count < 1)
    return fail("no EGL config for an OpenGL pbuffer");
  if (!eglBindAPI(EGL_OPENGL_API)) return fail("EGL cannot bind OpenGL");

  const EGLint surfaceAttributes[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
  surface_ = eglCreatePbufferSurface(display_, config, surfaceAttributes);
  if (surface_ == EGL_NO_SURFACE) return fail("cannot create the EGL pbuffer");
  context_ = eglCreateContext(display_, config, EGL_NO_CONTEXT, nullptr);
  if (context_ == EGL_NO_CONTEXT) return fail("cannot create the OpenGL context");
  if (!eglMakeCurrent(display_, surface_, surface_, context_))
    return fail("cannot make the OpenGL context current");
  return true;
}

void* EglContext::procAddress(const char* name) {
  return reinterpret_cast<void*>(eglGetProcAddress(name));
}
