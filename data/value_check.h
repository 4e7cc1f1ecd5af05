#pragma once
// value_check.h -- a keyword line's values held against the format the loader reads them with

class DataFile;

// Walks `line` along `format` (scanf style: literal text, blanks, %f, %d,
// %s, %*s, widths) as sscanf does and reports at the line `file` read last:
// text where a number belongs, text that does not fit the format, fewer
// than `required` values or a V(x y z) cut short (errors), and words left
// over after the format (a warning; a closing ")" may be left out).
// Returns how many values were there, those the format skips (%*s)
// included, which also count towards `required`.
int checkValues(const DataFile& file, const char* line, const char* format, int required);
