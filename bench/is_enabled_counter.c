/* is_enabled_counter.c -- an LD_PRELOAD counter of glIsEnabled calls, which apitrace does not record.
 *
 * At exit writes one line to IS_ENABLED_COUNTER_FILE (default: the error
 * stream): "N glIsEnabled", as `uniq -c` counts (bench/gl_calls). */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>

typedef unsigned char (*IsEnabledFn)(unsigned cap);

static long calls;

unsigned char glIsEnabled(unsigned cap) {
  static IsEnabledFn real;
  if (!real) real = (IsEnabledFn)dlsym(RTLD_NEXT, "glIsEnabled");
  ++calls;
  return real ? real(cap) : 0;
}

__attribute__((destructor)) static void report(void) {
  const char* path = getenv("IS_ENABLED_COUNTER_FILE");
  FILE* out = path ? fopen(path, "w") : stderr;
  if (!out) return;
  fprintf(out, "%ld glIsEnabled\n", calls);
  if (out != stderr) fclose(out);
}
