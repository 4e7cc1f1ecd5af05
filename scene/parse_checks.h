#pragma once
// parse_checks.h -- what the kinds' parsers check beyond the values' form: ranges, names, textures

#include <limits>

#include "math/vec3.h"
#include "scene/scene_object.h"

class BlockReader;

// The values a keyword renders sensibly with; `text` says it to authors.
struct ValueRange {
  float low, high;
  bool lowIncluded, highIncluded;
  const char* text;
};
inline constexpr float kNoLimit = std::numeric_limits<float>::infinity();
inline constexpr ValueRange kAboveZero{0, kNoLimit, false, false, "above 0"};
inline constexpr ValueRange kZeroOrMore{0, kNoLimit, true, false, "0 or more"};
inline constexpr ValueRange kZeroToOne{0, 1, true, true, "0 to 1"};

// These tell the host (data/load_report.h) at the line of the object file
// being read, and never change what is loaded.

// Warns when `value` lies outside `range`; `what` names it.
void checkRange(const char* what, float value, const ValueRange& range);
void checkNotZero(const char* what, float value);
// Each of red, green and blue 0 to 1.
void checkColour(const char* what, const Vec3& colour);

// The first object of `list` named `name`, or null with an error: a parent
// is a named object above in the same list.
SceneObject* findParent(const ObjectList& list, const char* name);

// After a block's "begin" line: a name cut to fit, or one used above.
void checkObjectName(const BlockReader& block, const ObjectList& list, const SceneObject& object);

// Whether a fixed line of a sub-block begins with `keyword`, which starts
// with a tab; warns when the line has the keyword without the tab.
bool hasTabbedKeyword(const BlockReader& block, const char* keyword);
