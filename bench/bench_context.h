#pragma once
// bench_context.h -- the benchmarks' one headless OpenGL context

// Makes the benchmarks' one headless context current, 1024 x 768, creating it
// on the first call; exits when no context can be made.
void makeBenchContextCurrent();
