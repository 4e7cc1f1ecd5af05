// Plays the screensaver host for the end-to-end tests: makes a parent
// window, starts orbivane.scr with its handle and checks what appears.
//   host_harness preview SCR    /p HWND: a child exactly over the client area
//   host_harness configure SCR  /c:HWND: the dialog owned by the window
//   host_harness no-parent SCR  /p alone: the error box
// Exit status 0 when everything was as expected; what failed goes to stderr.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

int failures = 0;

void expect(bool ok, const char* what) {
  std::fprintf(stderr, "%s: %s\n", ok ? "ok" : "FAILED", what);
  if (!ok) ++failures;
}

// Handles this thread's messages while waiting; the saver's windows send
// ours some (a child of our window is created by another process).
void pump(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  for (DWORD now = GetTickCount(); now < end; now = GetTickCount()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

template <typename Find>
HWND waitFor(Find find, DWORD milliseconds) {
  for (DWORD waited = 0; waited < milliseconds; waited += 100) {
    if (HWND found = find()) return found;
    pump(100);
  }
  return nullptr;
}

bool waitForExit(HANDLE process, DWORD milliseconds) {
  for (DWORD waited = 0; waited < milliseconds; waited += 100) {
    if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) return true;
    pump(100);
  }
  return false;
}

HWND makeParent() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = "HarnessParent";
  RegisterClassA(&windowClass);
  HWND parent = CreateWindowExA(0, "HarnessParent", "Harness", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                50, 50, 320, 260, nullptr, nullptr, GetModuleHandleA(nullptr),
                                nullptr);
  pump(200);
  return parent;
}

PROCESS_INFORMATION start(const std::string& scr, const std::string& arguments) {
  std::string line = "\"" + scr + "\" " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    std::fprintf(stderr, "cannot start %s\n", line.c_str());
  return process;
}

void finish(PROCESS_INFORMATION& process) {
  if (!process.hProcess) return;
  if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

void preview(const std::string& scr) {
  HWND parent = makeParent();
  PROCESS_INFORMATION process = start(scr, "/p " + std::to_string(std::uintptr_t(parent)));
  HWND child = waitFor([&] { return FindWindowExA(parent, nullptr, "ZetoPreview", nullptr); }, 15000);
  expect(child != nullptr, "a ZetoPreview child of the parent");
  if (child) {
    RECT client = {}, area = {};
    GetClientRect(parent, &client);
    GetWindowRect(child, &area);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    std::fprintf(stderr, "parent client %ldx%ld, child at (%ld, %ld) %ldx%ld\n", client.right,
                 client.bottom, area.left, area.top, area.right - area.left, area.bottom - area.top);
    expect(area.left == 0 && area.top == 0, "the child at the client origin");
    expect(area.right == client.right && area.bottom == client.bottom,
           "the child of the client area's size");
    char title[32] = {};
    GetWindowTextA(child, title, sizeof title);
    expect(std::string(title) == "ZETOSV", "the child's title");
    expect(WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT, "the preview keeps running");
  }
  DestroyWindow(parent);
  expect(waitForExit(process.hProcess, 10000), "closing the parent ends the preview");
  finish(process);
}

void configure(const std::string& scr) {
  HWND parent = makeParent();
  PROCESS_INFORMATION process = start(scr, "/c:" + std::to_string(std::uintptr_t(parent)));
  HWND dialog = waitFor([] { return FindWindowA(nullptr, "Orbivane Configuration"); }, 15000);
  expect(dialog != nullptr, "the configuration dialog");
  if (dialog) {
    expect(GetWindow(dialog, GW_OWNER) == parent, "the dialog owned by the host's window");
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  }
  expect(waitForExit(process.hProcess, 10000), "Cancel ends the program");
  finish(process);
  DestroyWindow(parent);
}

void noParent(const std::string& scr) {
  PROCESS_INFORMATION process = start(scr, "/p");
  HWND box = waitFor([] { return FindWindowA(nullptr, "ERROR"); }, 15000);
  expect(box != nullptr, "an ERROR message box");
  if (box) {
    expect(FindWindowExA(box, nullptr, "Static", "Cannot creat window!") != nullptr,
           "the box says it cannot create the window");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }
  expect(waitForExit(process.hProcess, 10000), "OK ends the program");
  finish(process);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: host_harness preview|configure|no-parent SCR\n");
    return 2;
  }
  const std::string mode = argv[1], scr = argv[2];
  if (mode == "preview")
    preview(scr);
  else if (mode == "configure")
    configure(scr);
  else if (mode == "no-parent")
    noParent(scr);
  else
    return 2;
  return failures == 0 ? 0 : 1;
}
