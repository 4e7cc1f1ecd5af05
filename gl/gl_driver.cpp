// gl_driver.cpp -- what the OpenGL driver offers, read once at load
#include "gl/gl_driver.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "host/host.h"

GlDriver glDriver;

namespace {

const char* glText(GLenum name) {
  const GLubyte* text = glGetString(name);
  return text ? reinterpret_cast<const char*>(text) : "";
}

bool versionAtLeast(const char* version, int major, int minor) {
  int haveMajor = 0, haveMinor = 0;
  if (std::sscanf(version, "%d.%d", &haveMajor, &haveMinor) != 2) return false;
  return haveMajor > major || (haveMajor == major && haveMinor >= minor);
}

template <typename Function>
void load(Function& function, const char* name) {
  function = reinterpret_cast<Function>(host().glProcAddress(name));
}

// The core names from OpenGL 1.5, else the extension's; a counter of no
// bits counts nothing, which is as good as no queries.
OcclusionQueryFunctions loadQueries() {
  OcclusionQueryFunctions f;
  const char* suffix;
  if (versionAtLeast(glText(GL_VERSION), 1, 5))
    suffix = "";
  else if (hasExtension(glText(GL_EXTENSIONS), "GL_ARB_occlusion_query"))
    suffix = "ARB";
  else
    return f;
  char name[40];
  auto named = [&](const char* base) {
    std::snprintf(name, sizeof name, "%s%s", base, suffix);
    return name;
  };
  load(f.gen, named("glGenQueries"));
  load(f.begin, named("glBeginQuery"));
  load(f.end, named("glEndQuery"));
  load(f.result, named("glGetQueryObjectuiv"));
  PFNGLGETQUERYIVPROC queryParameter = nullptr;
  load(queryParameter, named("glGetQueryiv"));
  GLint bits = 0;
  if (queryParameter) queryParameter(GL_SAMPLES_PASSED, GL_QUERY_COUNTER_BITS, &bits);
  return bits > 0 ? f : OcclusionQueryFunctions{};
}

}  // namespace

void readGlDriver() {
  glDriver.cellsPay = isSoftwareRenderer(glText(GL_RENDERER));
  glDriver.queries = loadQueries();
}

bool isSoftwareRenderer(const char* renderer) {
  for (const char* name : {"llvmpipe", "softpipe", "Software Rasterizer", "GDI Generic"})
    if (std::strstr(renderer, name)) return true;
  return false;
}

bool hasExtension(const char* extensions, const char* name) {
  const std::size_t length = std::strlen(name);
  for (const char* at = extensions; (at = std::strstr(at, name)) != nullptr; at += length) {
    const bool starts = at == extensions || at[-1] == ' ';
    if (starts && (at[length] == ' ' || at[length] == '\0')) return true;
  }
  return false;
}
