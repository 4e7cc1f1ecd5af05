#pragma once
// keyword_values.h -- the values of a kind's keyword lines: vectors and single numbers

#include "math/vec3.h"

// Values of a keyword line, read with `format` ("%f %f %f" or "%f" after the
// keyword). A line with missing values leaves `out` as it was; readVector
// tells whether all three were there.
bool readVector(const char* line, const char* format, Vec3& out);
void readFloat(const char* line, const char* format, float& out);
