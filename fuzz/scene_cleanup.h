#pragma once

#include "data/environment.h"
#include "data/texture_catalogue.h"
#include "data/world.h"
#include "scene/scene_object.h"

// What the loaders made for one input, deleted afterwards (the saver keeps
// it all until it exits). Lists, records and entries are emptied.
void deleteObjects(SceneList& list);
void deleteEnvironments(EnvironmentList& list);
void deleteWorlds(WorldList& list);
void deleteEntries(TextureCatalogue& catalogue);
