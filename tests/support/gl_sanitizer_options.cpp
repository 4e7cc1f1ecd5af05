// Mesa keeps small blocks from compiling display lists that the leak checker
// reports with stacks it cannot unwind (Mesa has no frame pointers), so no
// suppression can match them. The GL tests and the fuzz targets that load
// into a context still check addresses and undefined behaviour; leaks are
// checked by core_tests, which hold the parsing and loading code.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
