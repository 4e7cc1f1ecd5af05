#pragma once

#include "scene/scene_object.h"

// One parser per kind. Each is called right after its type line has been
// read, reads its block from objectFileReader and appends one new object to
// `list` (parents are looked up in `list`).
void parseSphere(SceneList& list);
void parseBillboard(SceneList& list);
void parseFlare(SceneList& list);
void parseMesh(SceneList& list);
void parseFlame(SceneList& list);
void parseParticleSystem(SceneList& list);

// Sphere blocks carry a little state from one block to the next within an
// object file; the object-file loader resets it at the start of each file.
void resetSphereParseState();
