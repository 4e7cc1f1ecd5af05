// scene_options.cpp -- what a command line says about the flight, and the settings it fills
#include "host/scene_options.h"

#include "host/settings.h"

void applySceneOptions(const SceneOptions& options) {
  settings.Speed = options.speed;
  settings.ShowClock = options.clock;
  settings.TimeFormat = options.twelveHour;
  settings.ShowFPS = options.fps;
  settings.EnableMusic = options.music;
  settings.Volume = options.volume;
  settings.VSync = options.vsync;
  settings.MouseExit = options.mouseExit;
  settings.DefGamma = true;
}
