// Runs a fuzz target over saved inputs, without mutation, where libFuzzer is
// not there (g++ builds): each argument is an input file or a folder of
// them; arguments that begin with "-" are libFuzzer's options and ignored.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

namespace {

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
  int count = 0;
  for (int i = 1; i < argc; ++i) {
    if (argv[i][0] == '-') continue;
    if (!fs::exists(argv[i])) {
      std::fprintf(stderr, "%s: no such input: %s\n", argv[0], argv[i]);
      return 1;
    }
    for (const fs::path& input : inputsOf(argv[i])) {
      if (!run(input)) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], input.c_str());
        return 1;
      }
      ++count;
    }
  }
  std::printf("%s: %d inputs ran\n", argv[0], count);
  return 0;
}
