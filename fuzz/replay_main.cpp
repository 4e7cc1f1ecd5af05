// replay_main.cpp -- runs a fuzz target over saved inputs where libFuzzer is not there
// Runs a fuzz target over saved inputs, without mutation, where libFuzzer is
// not there (g++ builds): each argument is an input file or a folder of
// them. Of libFuzzer's options, -timeout=S and -rss_limit_mb=M hold here
// too (an input that runs longer, or a peak above the limit, fails the run);
// the others are ignored.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

namespace {

void onTimeout(int) {
  static const char kMessage[] = "fuzz replay: an input ran past the timeout\n";
  [[maybe_unused]] const ssize_t written = write(2, kMessage, sizeof kMessage - 1);
  _exit(1);
}

long peakRssMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

std::vector<fs::path> inputsOf(const fs::path& argument) {
  std::vector<fs::path> inputs;
  if (fs::is_directory(argument)) {
    for (const fs::directory_entry& entry : fs::directory_iterator(argument))
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
  } else {
    inputs.push_back(argument);
  }
  return inputs;
}

// The input in a buffer of exactly its size, as libFuzzer hands it over, so
// that the address sanitizer sees any read past its end.
bool run(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                std::istreambuf_iterator<char>());
  const std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[bytes.size()]);
  std::copy(bytes.begin(), bytes.end(), exact.get());
  LLVMFuzzerTestOneInput(exact.get(), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  unsigned timeoutSeconds = 0;
  long rssLimitMb = 0;
  int count = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "-timeout=", 9) == 0) timeoutSeconds = unsigned(std::atoi(argv[i] + 9));
    if (std::strncmp(argv[i], "-rss_limit_mb=", 14) == 0) rssLimitMb = std::atol(argv[i] + 14);
  }
  std::signal(SIGALRM, onTimeout);
  for (int i = 1; i < argc; ++i) {
    if (argv[i][0] == '-') continue;
    if (!fs::exists(argv[i])) {
      std::fprintf(stderr, "%s: no such input: %s\n", argv[0], argv[i]);
      return 1;
    }
    for (const fs::path& input : inputsOf(argv[i])) {
      std::fprintf(stderr, "%s\n", input.c_str());  // names the input a timeout cuts short
      alarm(timeoutSeconds);
      const bool ran = run(input);
      alarm(0);
      if (!ran) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], input.c_str());
        return 1;
      }
      if (rssLimitMb > 0 && peakRssMb() > rssLimitMb) {
        std::fprintf(stderr, "%s: peak memory %ld MB is past the limit of %ld MB\n", argv[0],
                     peakRssMb(), rssLimitMb);
        return 1;
      }
      ++count;
    }
  }
  std::printf("%s: %d inputs ran\n", argv[0], count);
  return 0;
}
