// frame_stats.cpp -- frame times summed up: mean, median, 95th percentile, the bench line
#include "tools/render/frame_stats.h"

#include <algorithm>
#include <cmath>

namespace {

double nearestRank(const std::vector<double>& sorted, double percent) {
  const double rank = std::ceil(percent / 100.0 * double(sorted.size()));
  const std::size_t index = rank < 1 ? 0 : std::size_t(rank) - 1;
  return sorted[std::min(index, sorted.size() - 1)];
}

}  // namespace

FrameStats summariseFrames(std::vector<double> frameMs) {
  FrameStats stats;
  if (frameMs.empty()) return stats;
  std::sort(frameMs.begin(), frameMs.end());
  double total = 0;
  for (double ms : frameMs) total += ms;
  stats.meanMs = total / double(frameMs.size());
  stats.p50Ms = nearestRank(frameMs, 50);
  stats.p95Ms = nearestRank(frameMs, 95);
  stats.fps = total > 0 ? 1000.0 * double(frameMs.size()) / total : 0;
  return stats;
}

void printBenchLine(std::FILE* out, double loadMs, std::size_t frames, const FrameStats& stats) {
  std::fprintf(out, "load_ms=%.1f frames=%zu mean_ms=%.3f p50_ms=%.3f p95_ms=%.3f fps=%.1f\n",
               loadMs, frames, stats.meanMs, stats.p50Ms, stats.p95Ms, stats.fps);
}
