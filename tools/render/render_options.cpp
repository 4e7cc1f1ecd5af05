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

}  // namespace

const char* renderUsage() {
  return "usage: orbivane-render --camera [--seed S] [--dt SECONDS] [--frames N] [--speed P]\n"
         "  --camera     print the camera flight, one line a frame:\n"
         "               i eye.xyz forward.xyz up.xyz\n"
         "  --seed S     seed of the random generator (default: from the clock)\n"
         "  --dt D       frame time in seconds (default 1/60 with --camera)\n"
         "  --frames N   number of frames (default 300)\n"
         "  --speed P    the camera speed setting, 0-100 (default 50)\n";
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
    if (std::strcmp(arg, "--camera") == 0) {
      options.cameraOnly = true;
      continue;
    }
    if (std::strcmp(arg, "--seed") == 0) {
      if (!parseUnsigned(value, 0xFFFFFFFFul, number)) return fail("--seed needs a number");
      options.seed = std::uint32_t(number);
      options.seedGiven = true;
    } else if (std::strcmp(arg, "--dt") == 0) {
      if (!parseSeconds(value, options.dt)) return fail("--dt needs a time in seconds");
      options.dtGiven = true;
    } else if (std::strcmp(arg, "--frames") == 0) {
      if (!parseUnsigned(value, 100000000ul, number)) return fail("--frames needs a count");
      options.frames = int(number);
    } else if (std::strcmp(arg, "--speed") == 0) {
      if (!parseUnsigned(value, 100ul, number)) return fail("--speed needs 0 to 100");
      options.speed = std::uint32_t(number);
    } else {
      return fail(std::string("unknown option ") + arg);
    }
    ++i;
  }
  return true;
}
