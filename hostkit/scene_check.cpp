// scene_check.cpp -- what a check of the scene adds to the loaders' own reports: the music, what loaded
#include "hostkit/scene_check.h"

#include "audio/ogg_loop.h"
#include "data/data_file.h"
#include "data/load_report.h"
#include "data/texture_catalogue.h"
#include "scene/environment.h"
#include "scene/world.h"

namespace {

std::string counted(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

void checkMusic() {
  DataFile music;
  if (!music.open("music.ogg")) {
    reportMember(ProblemLevel::kWarning, "music.ogg", "%s: the scene plays no music",
                 whyNotOpened("music.ogg"));
    return;
  }
  OggLoop player;
  if (!player.open(music.data, music.size, 44100))
    reportMember(ProblemLevel::kError, "music.ogg", "is no Ogg Vorbis stream that can be played");
}

std::string loadedSceneSummary() {
  std::size_t objects = 0;
  for (const Environment* environment : environments)
    objects += environment->firstPass.size() + environment->postPass.size();
  for (const World* world : worlds) objects += world->objects.size();
  std::size_t textures = 0;
  for (const TextureEntry* entry : textureCatalogue) textures += entry->glTexture != 0;
  return counted(worlds.size(), "world", "worlds") + ", " +
         counted(objects, "object", "objects") + ", " + counted(textures, "texture", "textures");
}
