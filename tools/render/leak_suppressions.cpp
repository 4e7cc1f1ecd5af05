// leak_suppressions.cpp -- what the sanitized orbivane-render leaves out of its leak report
// Under the sanitizers: the undefined-behaviour runtime keeps two small
// blocks of its own after Mesa compiles display lists on its worker threads.
extern "C" const char* __lsan_default_suppressions() { return "leak:libubsan.so\n"; }

// Modules stay loaded to the end: the GL driver, unloaded as the context
// goes, holds the only pointers to blocks it keeps, and the leak checker,
// which runs after, would report those blocks with stacks in no module.
extern "C" int dlclose(void*) { return 0; }
