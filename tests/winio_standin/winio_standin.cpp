// A stand-in for the port-I/O library: the three entry points with results scripted by the test
// through environment variables, and a log of every call.
#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace {

// LUNDA_WINIO_INIT, _INSTALL and _REMOVE hold one character per call, '1' for success; the last
// one repeats and an unset variable always succeeds. Counting restarts with every load.
bool NextResult(const char* variable, int& calls) {
  char script[64] = {};
  const DWORD length = GetEnvironmentVariableA(variable, script, sizeof(script));
  const DWORD index = static_cast<DWORD>(calls++);
  if (length == 0 || length >= sizeof(script)) return true;
  return script[std::min(index, length - 1)] == '1';
}

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

int initializeCalls = 0;
int installCalls = 0;
int removeCalls = 0;

}  // namespace

extern "C" {

__declspec(dllexport) bool WINAPI InitializeWinIo(const char* sysPath) {
  Log("InitializeWinIo", sysPath);
  return NextResult("LUNDA_WINIO_INIT", initializeCalls);
}

__declspec(dllexport) bool WINAPI InstallWinIoDriver(const char* sysPath, bool flag) {
  Log("InstallWinIoDriver", flag ? sysPath : "false");
  return NextResult("LUNDA_WINIO_INSTALL", installCalls);
}

__declspec(dllexport) bool WINAPI RemoveWinIoDriver() {
  Log("RemoveWinIoDriver", "");
  return NextResult("LUNDA_WINIO_REMOVE", removeCalls);
}

}  // extern "C"
