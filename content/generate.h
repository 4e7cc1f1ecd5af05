#pragma once
// generate.h -- every generated member of the default scene, written into a folder

#include <string>
#include <vector>

// Writes every generated member of the default scene (pictures, meshes,
// music) under `dir`, with "\" in member names turned into folders.
// Returns the member names written; empty with a message in `error` when a
// file cannot be written.
std::vector<std::string> generateContent(const std::string& dir, std::string& error);

// The same for the small example scene: its pictures, the two sphere
// meshes and a short loop of music.
std::vector<std::string> generateExample(const std::string& dir, std::string& error);
