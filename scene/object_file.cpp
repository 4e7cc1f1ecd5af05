// object_file.cpp -- reads an object file: each type line handed to its kind's parser
#include "scene/object_file.h"

#include "data/data_file.h"
#include "data/line_rules.h"
#include "data/mesh_lists.h"
#include "host/host.h"
#include "scene/parsers.h"

ObjectLineType classifyObjectLine(const char* line) {
  if (hasKeyword(line, "sphere")) return kSphereLine;
  if (hasKeyword(line, "billboard")) return kBillboardLine;
  if (hasKeyword(line, "flare")) return kFlareLine;
  if (hasKeyword(line, "mesh")) return kMeshLine;
  if (hasKeyword(line, "flame")) return kFlameLine;
  if (hasKeyword(line, "ps")) return kParticleSystemLine;
  if (hasKeyword(line, "ENDWORLD")) return kEndOfObjectsLine;
  if (hasKeyword(line, "geometry")) return kGeometryLine;
  return kIgnoredLine;
}

namespace {

void loadGeometry(const char* line) {
  char meshName[kLineCapacity];
  if (secondWord(line, meshName)) loadMeshList(geometryList, meshName, false);
}

}  // namespace

void loadObjectFile(ObjectList& list, const char* fileName) {
  resetSphereParseState();
  objectFileReader.open(fileName);
  char line[kLineCapacity];
  objectFileReader.readLine(line);
  for (;;) {
    const ObjectLineType type = classifyObjectLine(line);
    if (type == kEndOfObjectsLine || host().loadingCancelled()) break;
    switch (type) {
      case kSphereLine: parseSphere(list); break;
      case kBillboardLine: parseBillboard(list); break;
      case kFlareLine: parseFlare(list); break;
      case kMeshLine: parseMesh(list); break;
      case kFlameLine: parseFlame(list); break;
      case kParticleSystemLine: parseParticleSystem(list); break;
      case kGeometryLine: loadGeometry(line); break;
      default: break;
    }
    if (type != kIgnoredLine) host().loadingStep();
    // A file without its terminator ends with its data.
    if (objectFileReader.pastEnd()) break;
    objectFileReader.readLine(line);
  }
  objectFileReader.close();
}
