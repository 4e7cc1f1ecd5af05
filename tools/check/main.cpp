// main.cpp -- orbivane-check: the scene checker's command line
#include <cstdio>
#include <string>
#include <vector>

#include "tools/check/scene_check_run.h"

int main(int argc, char** argv) {
  return runCheck(std::vector<std::string>(argv + 1, argv + argc), stdout, stderr);
}
