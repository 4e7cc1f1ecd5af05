#pragma once
// scene_check.h -- what a check of the scene adds to the loaders' own reports: the music, what loaded

#include <string>

// Opens "music.ogg" as the hosts that play it do and tells the host
// (Host::dataProblem) when it is missing or no stream they can play.
void checkMusic();

// What the loaded scene holds: "1 world, 12 objects, 9 textures".
std::string loadedSceneSummary();
