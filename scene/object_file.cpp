// object_file.cpp -- reads an object file: each type line handed to its kind's parser
#include "scene/object_file.h"

#include <cstdio>

#include "data/data_file.h"
#include "data/line_rules.h"
#include "data/load_report.h"
#include "data/mesh_lists.h"
#include "data/value_check.h"
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
  checkValues(objectFileReader, line, "geometry %s", 1);
  char meshName[kLineCapacity];
  if (!secondWord(line, meshName)) return;
  NamingLine naming(objectFileReader);
  loadMeshList(geometryList, meshName, false);
}

// What a line between blocks tells the host: a type line with more on it,
// or a line of no type. After such a line, the lines up to the next type
// line or "end" are its block, told with it.
void checkLineBetweenBlocks(const char* line, ObjectLineType type, bool& inUnknownBlock) {
  static const char* const kTypeKeywords[] = {"", "sphere", "billboard", "flare", "flame", "mesh", "ps"};
  if (type >= kSphereLine && type <= kParticleSystemLine)
    checkValues(objectFileReader, line, kTypeKeywords[type], 0);
  if (type != kIgnoredLine) {
    inUnknownBlock = false;
  } else if (inUnknownBlock) {
    if (hasKeyword(line, "end")) inUnknownBlock = false;
  } else if (!isBlankOrComment(line)) {
    char word[kLineCapacity] = {};
    std::sscanf(line, "%127s", word);
    reportAtLine(ProblemLevel::kWarning, objectFileReader,
                 "'%s' is no kind of object: the line and the block after it, if any, are ignored "
                 "(between blocks only sphere, billboard, flare, mesh, flame, ps, geometry and "
                 "ENDWORLD are read)",
                 word);
    inUnknownBlock = true;
  }
}

}  // namespace

void loadObjectFile(ObjectList& list, const char* fileName) {
  resetSphereParseState();
  if (!objectFileReader.open(fileName))
    reportMember(ProblemLevel::kError, fileName, "%s: none of its objects are shown",
                 whyNotOpened(fileName));
  char line[kLineCapacity];
  bool inUnknownBlock = false;
  objectFileReader.readLine(line);
  for (;;) {
    const ObjectLineType type = classifyObjectLine(line);
    if (type == kEndOfObjectsLine) reportLinesAfterEnd(objectFileReader, "ENDWORLD");
    if (type == kEndOfObjectsLine || host().loadingCancelled()) break;
    checkLineBetweenBlocks(line, type, inUnknownBlock);
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
    // A file without its terminator ends with its data (a block that ran to
    // the end has said so already).
    if (objectFileReader.pastEnd()) {
      const bool blockRanOut = type != kIgnoredLine && type != kGeometryLine;
      if (objectFileReader.size > 0 && !blockRanOut)
        reportProblem(ProblemLevel::kWarning, objectFileReader.name, objectFileReader.line,
                      "the file has no ENDWORLD line");
      break;
    }
    objectFileReader.readLine(line);
  }
  objectFileReader.close();
}
