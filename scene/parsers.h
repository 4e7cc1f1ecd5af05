#pragma once
// parsers.h -- one parser per kind, called by the object-file loader after the kind's type line

#include "scene/scene_object.h"

// Each reads its block from objectFileReader and appends one new object to
// `list` (scene/parse_block.h).
void parseSphere(ObjectList& list);
void parseBillboard(ObjectList& list);
void parseFlare(ObjectList& list);
void parseMesh(ObjectList& list);
void parseFlame(ObjectList& list);
void parseParticleSystem(ObjectList& list);

// Sphere blocks carry a little state from one block to the next within an
// object file; the object-file loader resets it at the start of each file.
void resetSphereParseState();
