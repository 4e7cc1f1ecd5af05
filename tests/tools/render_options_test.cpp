#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/render/frame_stats.h"
#include "tools/render/render_options.h"

namespace {

bool parse(std::vector<std::string> args, RenderOptions& options, std::string* error = nullptr) {
  args.insert(args.begin(), "orbivane-render");
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  return parseRenderOptions(int(argv.size()), argv.data(), options, error);
}

TEST(RenderOptions, SceneRunOptions) {
  RenderOptions options;
  ASSERT_TRUE(parse({"--data", "scene", "--width", "640", "--height", "480", "--seed", "9",
                     "--dt", "0.04", "--frames", "12", "--speed", "0", "--show-fps",
                     "--show-clock", "--12h", "--shot", "a.png", "--shots", "out", "--every",
                     "3", "--bench", "--pause", "7:3600"},
                    options));
  EXPECT_FALSE(options.cameraOnly);
  EXPECT_EQ(options.dataDir, "scene");
  EXPECT_EQ(options.width, 640u);
  EXPECT_EQ(options.height, 480u);
  EXPECT_TRUE(options.seedGiven);
  EXPECT_EQ(options.seed, 9u);
  EXPECT_TRUE(options.dtGiven);
  EXPECT_DOUBLE_EQ(options.dt, 0.04);
  EXPECT_EQ(options.frames, 12);
  EXPECT_EQ(options.speed, 0u);
  EXPECT_TRUE(options.fps && options.clock && options.twelveHour && options.bench);
  EXPECT_EQ(options.shot, "a.png");
  EXPECT_EQ(options.shotsDir, "out");
  EXPECT_EQ(options.every, 3);
  EXPECT_DOUBLE_EQ(options.frameSeconds(7, 0.5), 3600);
  EXPECT_DOUBLE_EQ(options.frameSeconds(8, 0.5), 0.04);
}

TEST(FrameStats, NearestRankPercentiles) {
  std::vector<double> ms;
  for (int i = 20; i >= 1; --i) ms.push_back(double(i));  // 1..20, any order
  const FrameStats stats = summariseFrames(ms);
  EXPECT_DOUBLE_EQ(stats.meanMs, 10.5);
  EXPECT_DOUBLE_EQ(stats.p50Ms, 10);
  EXPECT_DOUBLE_EQ(stats.p95Ms, 19);
  EXPECT_DOUBLE_EQ(stats.fps, 1000.0 * 20 / 210);

  const FrameStats one = summariseFrames({4});
  EXPECT_DOUBLE_EQ(one.p50Ms, 4);
  EXPECT_DOUBLE_EQ(one.p95Ms, 4);
  EXPECT_EQ(summariseFrames({}).fps, 0);
}

}  // namespace
