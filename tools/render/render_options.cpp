// render_options.cpp -- the command line of orbivane-render
#include "tools/render/render_options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

bool parseUnsigned(const char* text, unsigned long max, unsigned long& out) {
  if (!text || !*text || *text == '-' || *text == '+') return false;
  char* end = nullptr;
  errno = 0;
  const unsigned long v = std::strtoul(text, &end, 10);
  if (errno || *end || v > max) return false;
  out = v;
  return true;
}

bool parseSeconds(const char* text, double& out) {
  if (!text || !*text) return false;
  char* end = nullptr;
  errno = 0;
  const double v = std::strtod(text, &end);
  if (errno || *end || !std::isfinite(v) || v < 0) return false;
  out = v;
  return true;
}

// FRAME:SECONDS
bool parsePause(const char* text, RenderOptions& options) {
  const char* colon = text ? std::strchr(text, ':') : nullptr;
  if (!colon) return false;
  const std::string frame(text, colon);
  unsigned long number = 0;
  if (!parseUnsigned(frame.c_str(), 100000000ul, number)) return false;
  if (!parseSeconds(colon + 1, options.pauseSeconds)) return false;
  options.pauseFrame = int(number);
  return true;
}

bool* switchOption(RenderOptions& options, const char* arg) {
  if (std::strcmp(arg, "--camera") == 0) return &options.cameraOnly;
  if (std::strcmp(arg, "--show-fps") == 0) return &options.fps;
  if (std::strcmp(arg, "--show-clock") == 0) return &options.clock;
  if (std::strcmp(arg, "--12h") == 0) return &options.twelveHour;
  if (std::strcmp(arg, "--bench") == 0) return &options.bench;
  if (std::strcmp(arg, "--whole-quads") == 0) return &options.wholeQuads;
  if (std::strcmp(arg, "--depth-reads") == 0) return &options.depthReads;
  return nullptr;
}

}  // namespace

double RenderOptions::frameSeconds(int i, double measured) const {
  if (i == pauseFrame) return pauseSeconds;
  return dtGiven ? dt : measured;
}

const char* renderUsage() {
  return "usage: orbivane-render [--data DIR] [--width W] [--height H] [--seed S] [--dt D]\n"
         "                      [--frames N] [--speed P] [--show-fps] [--show-clock] [--12h]\n"
         "                      [--shot FILE.png] [--shots DIR [--every K]] [--bench]\n"
         "                      [--whole-quads] [--depth-reads] [--pause I:SECONDS]\n"
         "       orbivane-render --camera [--seed S] [--dt SECONDS] [--frames N] [--speed P]\n"
         "                      [--pause I:SECONDS]\n"
         "  --data DIR   folder of the scene's data.sdd (default: the current folder)\n"
         "  --width W, --height H   picture size (default 1024 x 768)\n"
         "  --seed S     seed of the random generator (default: from the clock)\n"
         "  --dt D       frame time in seconds (default: real time; 1/60 with --camera)\n"
         "  --frames N   number of frames (default 300)\n"
         "  --pause I:SECONDS   frame I (from 0) comes SECONDS after the one before,\n"
         "               as after a sleep or a stalled machine\n"
         "  --speed P    the camera speed setting, 0-100 (default 50)\n"
         "  --show-fps, --show-clock, --12h   the overlays, the 12-hour clock\n"
         "  --shot FILE  write the last frame as a PNG\n"
         "  --shots DIR  write every K-th frame (--every K, default 1) as DIR/frame-NNNNNN.png\n"
         "  --bench      print load and frame times as the last line\n"
         "  --whole-quads  draw every textured quad whole, also where its texture\n"
         "               adds no light (pictures to compare with)\n"
         "  --depth-reads  test whether flares are hidden by reading the depth buffer,\n"
         "               also where the driver has occlusion queries (comparisons)\n"
         "  --camera     print the camera flight, one line a frame:\n"
         "               i eye.xyz forward.xyz up.xyz\n";
}

bool parseRenderOptions(int argc, char** argv, RenderOptions& options, std::string* error) {
  auto fail = [error](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    unsigned long number = 0;
    if (bool* flag = switchOption(options, arg)) {
      *flag = true;
      continue;
    }
    if (std::strcmp(arg, "--seed") == 0) {
      if (!parseUnsigned(value, 0xFFFFFFFFul, number)) return fail("--seed needs a number");
      options.seed = std::uint32_t(number);
      options.seedGiven = true;
    } else if (std::strcmp(arg, "--dt") == 0) {
      if (!parseSeconds(value, options.dt)) return fail("--dt needs a time in seconds");
      options.dtGiven = true;
    } else if (std::strcmp(arg, "--pause") == 0) {
      if (!parsePause(value, options)) return fail("--pause needs FRAME:SECONDS");
    } else if (std::strcmp(arg, "--frames") == 0) {
      if (!parseUnsigned(value, 100000000ul, number)) return fail("--frames needs a count");
      options.frames = int(number);
    } else if (std::strcmp(arg, "--speed") == 0) {
      if (!parseUnsigned(value, 100ul, number)) return fail("--speed needs 0 to 100");
      options.speed = std::uint32_t(number);
    } else if (std::strcmp(arg, "--data") == 0) {
      if (!value || !*value) return fail("--data needs a folder");
      options.dataDir = value;
    } else if (std::strcmp(arg, "--width") == 0 || std::strcmp(arg, "--height") == 0) {
      if (!parseUnsigned(value, 16384ul, number) || number == 0)
        return fail(std::string(arg) + " needs 1 to 16384 pixels");
      (arg[2] == 'w' ? options.width : options.height) = std::uint32_t(number);
    } else if (std::strcmp(arg, "--shot") == 0) {
      if (!value || !*value) return fail("--shot needs a file name");
      options.shot = value;
    } else if (std::strcmp(arg, "--shots") == 0) {
      if (!value || !*value) return fail("--shots needs a folder");
      options.shotsDir = value;
    } else if (std::strcmp(arg, "--every") == 0) {
      if (!parseUnsigned(value, 100000000ul, number) || number == 0)
        return fail("--every needs a count of at least 1");
      options.every = int(number);
    } else {
      return fail(std::string("unknown option ") + arg);
    }
    ++i;
  }
  return true;
}
