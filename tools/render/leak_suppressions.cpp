// leak_suppressions.cpp -- what the sanitized orbivane-render leaves out of its leak report
#include <dlfcn.h>
#include <link.h>

#include <cstddef>

// The undefined-behaviour runtime keeps two small blocks of its own after
// Mesa compiles display lists on its worker threads.
extern "C" const char* __lsan_default_suppressions() { return "leak:libubsan.so\n"; }

// eglTerminate unloads Mesa's driver and the libraries it loaded; blocks they
// keep in their own globals would then read as leaks, with stacks in unloaded
// code that no suppression can match. Every loaded library is pinned first.
extern "C" unsigned eglTerminate(void* display) {
  dl_iterate_phdr(
      [](dl_phdr_info* info, std::size_t, void*) {
        if (info->dlpi_name[0]) dlopen(info->dlpi_name, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
        return 0;
      },
      nullptr);
  using Terminate = unsigned (*)(void*);
  static const auto terminate = reinterpret_cast<Terminate>(dlsym(RTLD_NEXT, "eglTerminate"));
  return terminate ? terminate(display) : 0;
}
