// A stand-in for the port-I/O library: the three entry points, which succeed only when given what
// the real library needs, the path of a driver file that is there and the flag that starts it.
#include <windows.h>

#include <cstring>

namespace {

bool IsDriver(const char* sysPath) {
  return GetFileAttributesA(sysPath) != INVALID_FILE_ATTRIBUTES &&
         std::strstr(sysPath, ":\\") != nullptr && std::strstr(sysPath, "\\WinIo.sys") != nullptr;
}

}  // namespace

extern "C" {

__declspec(dllexport) bool WINAPI InitializeWinIo(const char* sysPath) { return IsDriver(sysPath); }

__declspec(dllexport) bool WINAPI InstallWinIoDriver(const char* sysPath, bool flag) {
  return flag && IsDriver(sysPath);
}

__declspec(dllexport) bool WINAPI RemoveWinIoDriver() { return true; }

}  // extern "C"
