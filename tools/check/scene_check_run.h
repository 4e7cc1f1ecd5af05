#pragma once
// scene_check_run.h -- orbivane-check: a scene loaded as the program loads it, and what the loaders said

#include <cstdio>
#include <string>
#include <vector>

#include "hostkit/problem_list.h"

// Loads the scene from the data now set (data/archive.h) as the program
// does, in an off-screen context of its own, with every problem the
// loaders report in `problems` and what loaded in `loaded`. False, with a
// reason in `error`, when no context can be made.
bool checkScene(ProblemList& problems, std::string& loaded, std::string& error);

// The command line "orbivane-check PATH" (an archive, or a folder: its
// data.sdd when it holds one, else its loose files). The problems and a
// summary go to `out`, other messages to `err`; returns 0 when clean, 1
// with warnings only, 2 with errors or when nothing can be checked.
int runCheck(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
