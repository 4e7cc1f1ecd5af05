// parse_checks.cpp -- what the kinds' parsers check beyond the values' form: ranges, names, textures
#include "scene/parse_checks.h"

#include <cstring>

#include "data/block_reader.h"
#include "data/data_file.h"
#include "data/line_rules.h"
#include "data/load_report.h"

void checkRange(const char* what, float value, const ValueRange& range) {
  const bool aboveLow = range.lowIncluded ? value >= range.low : value > range.low;
  const bool belowHigh = range.highIncluded ? value <= range.high : value < range.high;
  if (!(aboveLow && belowHigh))
    reportAtLine(ProblemLevel::kWarning, objectFileReader,
                 "%s %g is outside what renders sensibly: %s", what, double(value), range.text);
}

void checkNotZero(const char* what, float value) {
  if (!(value != 0.0f))
    reportAtLine(ProblemLevel::kWarning, objectFileReader,
                 "%s %g is outside what renders sensibly: any number but 0", what, double(value));
}

void checkColour(const char* what, const Vec3& colour) {
  for (float channel : {colour.x, colour.y, colour.z})
    if (!(channel >= 0.0f && channel <= 1.0f)) {
      reportAtLine(ProblemLevel::kWarning, objectFileReader,
                   "%s V(%g %g %g) is outside what renders sensibly: each of red, green and blue 0 "
                   "to 1",
                   what, double(colour.x), double(colour.y), double(colour.z));
      return;
    }
}

SceneObject* findParent(const ObjectList& list, const char* name) {
  SceneObject* parent = findByName(list, name);
  if (!parent)
    reportAtLine(ProblemLevel::kError, objectFileReader,
                 "no object above is named %s: a parent is a sphere or mesh named earlier in the "
                 "same list (names are case-sensitive)",
                 name);
  return parent;
}

void checkObjectName(const BlockReader& block, const ObjectList& list, const SceneObject& object) {
  char word[kLineCapacity];
  if (!block.beginHasName() || !secondWord(block.line(), word)) return;
  if (!object.name[0]) {
    reportAtLine(ProblemLevel::kWarning, block.file(),
                 "only spheres and meshes have names: '%s' is ignored", word);
    return;
  }
  if (std::strlen(word) >= sizeof object.name)
    reportAtLine(ProblemLevel::kWarning, block.file(), "the name %s is cut to %s (%u characters)",
                 word, object.name, unsigned(sizeof object.name - 1));
  if (findByName(list, object.name))
    reportAtLine(ProblemLevel::kWarning, block.file(),
                 "an object above is named %s already: parents find that one", object.name);
}

bool hasTabbedKeyword(const BlockReader& block, const char* keyword) {
  if (hasKeyword(block.line(), keyword)) return true;
  if (hasKeyword(block.line(), keyword + 1))
    reportAtLine(ProblemLevel::kWarning, block.file(),
                 "'%s' is read only with a tab before it: this line is ignored", keyword + 1);
  return false;
}
