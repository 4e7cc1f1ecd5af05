// Deleting what one fuzz input loaded.
#include "fuzz/scene_cleanup.h"

void deleteObjects(SceneList& list) {
  for (SceneObject* object : list) delete object;
  list.clear();
}

void deleteEnvironments(EnvironmentList& list) {
  for (Environment* environment : list) {
    deleteObjects(environment->firstPass);
    deleteObjects(environment->postPass);
    delete environment;
  }
  list.clear();
}

void deleteWorlds(WorldList& list) {
  for (World* world : list) {
    deleteObjects(world->objects);
    delete world;
  }
  list.clear();
}

void deleteEntries(TextureCatalogue& catalogue) {
  for (TextureEntry* entry : catalogue) delete entry;
  catalogue.clear();
}
