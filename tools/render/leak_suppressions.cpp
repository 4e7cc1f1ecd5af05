// Under the sanitizers: the undefined-behaviour runtime keeps two small
// blocks of its own after Mesa compiles display lists on its worker threads.
extern "C" const char* __lsan_default_suppressions() { return "leak:libubsan.so\n"; }
