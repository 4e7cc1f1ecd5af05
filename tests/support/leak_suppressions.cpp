// Leak reports the sanitized GL tests must not fail on: the undefined-
// behaviour runtime keeps two small blocks of its own after Mesa compiles
// display lists on its worker threads. No frame of ours is in them.
extern "C" const char* __lsan_default_suppressions() { return "leak:libubsan.so\n"; }
