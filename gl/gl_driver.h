#pragma once
// gl_driver.h -- what the OpenGL driver offers, read once at load: occlusion queries, a software renderer

#include "gl/gl.h"

// The entry points of occlusion queries (OpenGL 1.5, or GL_ARB_occlusion_query
// under its own names); all null without them.
struct OcclusionQueryFunctions {
  PFNGLGENQUERIESPROC gen = nullptr;
  PFNGLBEGINQUERYPROC begin = nullptr;
  PFNGLENDQUERYPROC end = nullptr;
  PFNGLGETQUERYOBJECTUIVPROC result = nullptr;

  bool available() const { return gen && begin && end && result; }
};

struct GlDriver {
  OcclusionQueryFunctions queries;
  // Drawing a textured quad by its lit cells (gl/textured_quad.h) saves more
  // than its extra calls cost: on a renderer that fills pixels on the CPU.
  // True until readGlDriver has looked.
  bool cellsPay = true;
};
extern GlDriver glDriver;

// With the context current: the renderer's name, the version and the
// extensions, and the query entry points through the host's glProcAddress.
void readGlDriver();

// True when GL_RENDERER names a renderer that fills pixels on the CPU:
// Mesa's llvmpipe, softpipe or swrast, or Windows' own "GDI Generic".
bool isSoftwareRenderer(const char* renderer);

// True when the space-separated list holds `name` as a whole word.
bool hasExtension(const char* extensions, const char* name);
