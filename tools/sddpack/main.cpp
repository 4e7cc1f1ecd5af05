// main.cpp -- sddpack: the command line of the data archive packer
#include <iostream>
#include <string>
#include <vector>

#include "tools/sddpack/sddpack.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return runSddpack(args, std::cout, std::cerr);
}
