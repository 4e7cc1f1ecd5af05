#pragma once
// keyword_values.h -- the values of a kind's keyword lines: vectors, single numbers and flags

#include "math/vec3.h"

class BlockReader;

// The values of a keyword line of the object file being read
// (objectFileReader), read with `format` as sscanf reads them ("radius %f":
// the whole line's format) and checked against it with `required` values
// at least (data/value_check.h). Returns sscanf's result.
int scanValues(const char* line, int required, const char* format, ...);

// Only the check, for lines whose values a kind reads otherwise (names) or
// that take none (flags).
void checkLine(const char* line, int required, const char* format);

// The same into a vector or a single number; a line with missing values
// leaves `out` as it was, and readVector tells whether all three were
// there. `required` below 3: the vector may be left out.
bool readVector(const char* line, const char* format, Vec3& out, int required = 3);
void readFloat(const char* line, const char* format, float& out);

// Whether the block's line is the flag `keyword`; a flag takes no values, so
// anything after it is reported as left over.
bool flagLine(const BlockReader& block, const char* keyword);
