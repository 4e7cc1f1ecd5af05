#pragma once
// data_folder.h -- where the Linux program looks for its data

#include <string>
#include <vector>

// The folders searched when no --data is given, in order: the installed
// data folder, the share/orbivane folder of the executable's own prefix
// (from bin/ or from libexec/xscreensaver/), and build/data of a developer
// tree (the executable in build/native).
std::vector<std::string> dataFolderCandidates(const std::string& installedDir,
                                              const std::string& executableDir);

// The first candidate that holds a scene (data.sdd, or its loose files),
// else the first candidate.
std::string findDataFolder(const std::vector<std::string>& candidates);

// The running executable, links resolved; empty if unknown.
std::string executablePath();

// The folder of the running executable, links resolved; empty if unknown.
std::string executableFolder();
