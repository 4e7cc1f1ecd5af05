/* swap_counter.c -- an LD_PRELOAD counter of buffer swaps (GLX and EGL) for frame-rate benchmarks.
 *
 * Counts the swaps of a program for SWAP_COUNTER_SECONDS (default 15) from
 * its first frame and then writes one line to SWAP_COUNTER_FILE:
 *   first_frame_ms=F swaps=N seconds=S
 * F is the time from the library's start (the program's start) to the first
 * frame. With SWAP_COUNTER_LOADING_FINISHES=1, a swap that follows a
 * glFinish is a loading screen and not a frame. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

typedef void (*GlxSwapFn)(void* display, unsigned long drawable);
typedef unsigned (*EglSwapFn)(void* display, void* surface);
typedef void (*FinishFn)(void);

static double startSeconds, firstFrame = -1.0, window = 15.0;
static long swaps;
static int finishedSinceSwap, loadingFinishes, written;

static double now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (double)t.tv_sec + (double)t.tv_nsec * 1e-9;
}

__attribute__((constructor)) static void start(void) {
  const char* seconds = getenv("SWAP_COUNTER_SECONDS");
  const char* loading = getenv("SWAP_COUNTER_LOADING_FINISHES");
  startSeconds = now();
  if (seconds && atof(seconds) > 0) window = atof(seconds);
  loadingFinishes = loading && loading[0] == '1';
}

static void report(double t) {
  const char* path = getenv("SWAP_COUNTER_FILE");
  FILE* out = path ? fopen(path, "w") : stderr;
  if (!out) return;
  fprintf(out, "first_frame_ms=%.0f swaps=%ld seconds=%.3f\n", (firstFrame - startSeconds) * 1000.0,
          swaps, t - firstFrame);
  if (out != stderr) fclose(out);
  written = 1;
}

void glFinish(void) {
  static FinishFn real;
  if (!real) real = (FinishFn)dlsym(RTLD_NEXT, "glFinish");
  finishedSinceSwap = 1;
  if (real) real();
}

static void countSwap(void) {
  const int loadingScreen = loadingFinishes && finishedSinceSwap;
  finishedSinceSwap = 0;
  if (loadingScreen || written) return;
  const double t = now();
  if (firstFrame < 0) firstFrame = t;
  if (t - firstFrame >= window) {
    report(t);
    return;
  }
  ++swaps;
}

void glXSwapBuffers(void* display, unsigned long drawable) {
  static GlxSwapFn real;
  if (!real) real = (GlxSwapFn)dlsym(RTLD_NEXT, "glXSwapBuffers");
  if (real) real(display, drawable);
  countSwap();
}

unsigned eglSwapBuffers(void* display, void* surface) {
  static EglSwapFn real;
  if (!real) real = (EglSwapFn)dlsym(RTLD_NEXT, "eglSwapBuffers");
  const unsigned swapped = real ? real(display, surface) : 0;
  countSwap();
  return swapped;
}
