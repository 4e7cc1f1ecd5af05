// options.cpp -- the command line of the Linux program
#include "x11/options.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace {

// A whole unsigned number in base 10, or base 16 after "0x".
bool parseNumber(const std::string& text, unsigned long& value) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const char* digits = text.c_str() + (hex ? 2 : 0);
  if (!std::isxdigit(static_cast<unsigned char>(*digits))) return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtoul(digits, &end, hex ? 16 : 10);
  return errno == 0 && *end == '\0';
}

bool parseInRange(const std::string& text, unsigned long low, unsigned long high,
                  std::uint32_t& out) {
  unsigned long value = 0;
  if (!parseNumber(text, value) || value < low || value > high) return false;
  out = std::uint32_t(value);
  return true;
}

bool parseSize(const std::string& text, int& width, int& height) {
  const std::size_t x = text.find_first_of("xX");
  std::uint32_t w = 0, h = 0;
  if (x == std::string::npos || !parseInRange(text.substr(0, x), 1, 16384, w) ||
      !parseInRange(text.substr(x + 1), 1, 16384, h))
    return false;
  width = int(w);
  height = int(h);
  return true;
}

}  // namespace

bool parseWindowId(const std::string& text, unsigned long& id) {
  unsigned long value = 0;
  if (!parseNumber(text, value) || value == 0 || value > 0xFFFFFFFFul) return false;
  id = value;
  return true;
}

bool parseX11Options(int argc, char** argv, X11Options& o, std::string* error) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg.size() < 2 || arg[0] != '-') {
      *error = "unexpected argument '" + arg + "'";
      return false;
    }
    std::string name = arg.substr(arg[1] == '-' ? 2 : 1);
    std::string value;
    bool hasValue = false;
    if (const std::size_t eq = name.find('='); eq != std::string::npos) {
      value = name.substr(eq + 1);
      name.erase(eq);
      hasValue = true;
    }
    // The option's value: after '=' or the next argument.
    auto takeValue = [&]() -> bool {
      if (hasValue) return true;
      if (i + 1 >= argc) return false;
      value = argv[++i];
      return true;
    };
    auto flag = [&](bool& field, bool setting) {
      field = setting;
      return !hasValue;
    };

    bool ok;
    if (name == "window-id") {
      ok = takeValue() && parseWindowId(value, o.windowId);
      if (ok) o.target = Target::kWindowId;
    } else if (name == "root") {
      ok = !hasValue;
      if (o.target != Target::kWindowId) o.target = Target::kRoot;
    } else if (name == "windowed") {
      // The size is optional: a next argument that begins with a digit is it.
      const bool sized =
          hasValue || (i + 1 < argc && std::isdigit(static_cast<unsigned char>(argv[i + 1][0])));
      ok = !sized || (takeValue() && parseSize(value, o.windowWidth, o.windowHeight));
      o.windowed = true;
    } else if (name == "primary-only") {
      ok = flag(o.primaryOnly, true);
    } else if (name == "data") {
      ok = takeValue() && !value.empty();
      o.dataDir = value;
    } else if (name == "speed") {
      ok = takeValue() && parseInRange(value, 0, 100, o.speed);
    } else if (name == "volume") {
      ok = takeValue() && parseInRange(value, 1, 100, o.volume);
    } else if (name == "max-fps") {
      std::uint32_t cap = 0;
      ok = takeValue() && parseInRange(value, 0, 1000, cap);
      o.maxFps = int(cap);
    } else if (name == "seed") {
      ok = takeValue() && parseInRange(value, 0, 0xFFFFFFFFul, o.seed);
      o.seedGiven = true;
    } else if (name == "clock" || name == "no-clock") {
      ok = flag(o.clock, name == "clock");
    } else if (name == "12h") {
      ok = flag(o.twelveHour, true);
    } else if (name == "fps" || name == "no-fps") {
      ok = flag(o.fps, name == "fps");
    } else if (name == "music" || name == "no-music") {
      ok = flag(o.music, name == "music");
    } else if (name == "vsync" || name == "no-vsync") {
      ok = flag(o.vsync, name == "vsync");
    } else if (name == "watch") {
      ok = flag(o.watch, true);
    } else if (name == "mouse-exit") {
      ok = flag(o.mouseExit, true);
    } else if (name == "add-to-xscreensaver") {
      ok = flag(o.addToXScreenSaver, true);
    } else if (name == "use-in-xscreensaver") {
      ok = flag(o.useInXScreenSaver, true);
    } else if (name == "help" || name == "h") {
      ok = flag(o.help, true);
    } else if (name == "version") {
      ok = flag(o.version, true);
    } else {
      *error = "unknown option '" + arg + "'";
      return false;
    }
    if (!ok) {
      *error = "bad or missing value for '" + arg + "'";
      return false;
    }
  }
  return true;
}

std::string x11Usage(const std::string& dataSearch) {
  return "usage: orbivane [options]\n"
         "Where it draws (one dash or two):\n"
         "  --window-id ID    into the window ID (hex 0x... or decimal); wins over --root\n"
         "  --root            into $XSCREENSAVER_WINDOW, else the root window\n"
         "                    (neither: a window of its own over every monitor, a flight on each)\n"
         "  --primary-only    full screen on the primary monitor alone\n"
         "  --windowed [WxH]  an ordinary window of its own instead of full screen (1280x720)\n"
         "What it shows:\n"
         "  --data DIR        the folder of data.sdd, or of a scene's loose files;\n"
         "                    without it: " + dataSearch + "\n"
         "  --speed 0-100     camera speed (50)\n"
         "  --clock, --no-clock   the clock (on)\n"
         "  --12h             12-hour clock\n"
         "  --fps, --no-fps   frames per second (off)\n"
         "  --music, --no-music   the music, in its own window only (on)\n"
         "  --volume 1-100    music volume in percent (100)\n"
         "  --vsync, --no-vsync   wait for the display's refresh (off)\n"
         "  --max-fps N       frame cap, 0 for none (60)\n"
         "  --mouse-exit      pointer movement ends it (own window)\n"
         "  --seed S          the flight's random seed\n"
         "  --watch           load the scene again when a file in its folder changes, and\n"
         "                    print what is wrong in it (for making a scene)\n"
         "  --help, --version\n"
         "In its own window any key or button ends it; under a host only a signal does.\n"
         "XScreenSaver (instead of a flight):\n"
         "  --add-to-xscreensaver   put Orbivane on the list in ~/.xscreensaver\n"
         "  --use-in-xscreensaver   the same, and make it the one screensaver shown\n";
}
