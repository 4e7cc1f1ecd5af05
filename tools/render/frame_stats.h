#pragma once
// frame_stats.h -- frame times summed up: mean, median, 95th percentile, the bench line

#include <cstdio>
#include <vector>

// Summary of measured frame times for the --bench line.
struct FrameStats {
  double meanMs = 0;
  double p50Ms = 0;
  double p95Ms = 0;
  double fps = 0;
};

// Percentiles by nearest rank; all zero for no frames.
FrameStats summariseFrames(std::vector<double> frameMs);

// "load_ms=... frames=... mean_ms=... p50_ms=... p95_ms=... fps=..."
void printBenchLine(std::FILE* out, double loadMs, std::size_t frames, const FrameStats& stats);
