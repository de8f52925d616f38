// A stand-in for the port-I/O library: the three entry points, each call logged, and the results
// of InitializeWinIo scripted by the test.
#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace {

// Appends one line to the file named by LUNDA_WINIO_LOG, if any.
void Log(const char* entry, const char* argument) {
  char path[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA("LUNDA_WINIO_LOG", path, sizeof(path));
  if (length == 0 || length >= sizeof(path)) return;
  if (std::FILE* log = std::fopen(path, "a")) {
    std::fprintf(log, "%s|%s\n", entry, argument);
    std::fclose(log);
  }
}

// Counting restarts with every load, as the library is loaded for each use.
int initializeCalls = 0;

}  // namespace

extern "C" {

// LUNDA_WINIO_INIT holds one character per call, '1' for success; the last one repeats and an
// unset variable always succeeds.
__declspec(dllexport) bool WINAPI InitializeWinIo(const char* sysPath) {
  Log("InitializeWinIo", sysPath);
  char script[64] = {};
  const DWORD length = GetEnvironmentVariableA("LUNDA_WINIO_INIT", script, sizeof(script));
  const DWORD index = static_cast<DWORD>(initializeCalls++);
  return length == 0 || length >= sizeof(script) || script[std::min(index, length - 1)] == '1';
}

__declspec(dllexport) bool WINAPI InstallWinIoDriver(const char* sysPath, bool flag) {
  Log("InstallWinIoDriver", flag ? sysPath : "false");
  return true;
}

__declspec(dllexport) bool WINAPI RemoveWinIoDriver() {
  Log("RemoveWinIoDriver", "");
  return true;
}

}  // extern "C"
