// bench_context.cpp -- the benchmarks' one headless OpenGL context
#include "bench/bench_context.h"

#include <cstdio>
#include <cstdlib>

#include "hostkit/egl_context.h"

void makeBenchContextCurrent() {
  static EglContext egl;
  static bool made = false;
  if (made) return;
  const char* error = "";
  if (!egl.create(1024, 768, &error)) {
    std::fprintf(stderr, "no headless context: %s\n", error);
    std::exit(1);
  }
  made = true;
}
