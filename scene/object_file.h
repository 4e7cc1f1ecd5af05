#pragma once
// object_file.h -- reads an object file: each type line handed to its kind's parser

#include "scene/scene_object.h"

// Type codes of an object file's lines, in the order they are tried.
enum ObjectLineType {
  kIgnoredLine = 0,
  kSphereLine = 1,
  kBillboardLine = 2,
  kFlareLine = 3,
  kFlameLine = 4,
  kMeshLine = 5,
  kParticleSystemLine = 6,
  kGeometryLine = 7,
  kEndOfObjectsLine = 255,
};

ObjectLineType classifyObjectLine(const char* line);

// Reads one object file into objectFileReader and appends the objects it
// describes to `list`, a loading step after each object and geometry line.
void loadObjectFile(ObjectList& list, const char* fileName);
