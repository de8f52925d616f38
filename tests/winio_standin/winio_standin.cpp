// A stand-in for the port-I/O library: the three entry points, stdcall and exported under their
// bare names as the real 32-bit library has them, which succeed only when given what the real
// library needs, the path of a driver file that is there and the flag that starts it. Like the
// real library's 32-bit kernel driver, it can do nothing on 64-bit Windows.
#include <windows.h>

#include <cstring>

namespace {

bool Runs64Bit() {
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) != 0 && wow64 != FALSE;
}

bool IsDriver(const char* sysPath) {
  return !Runs64Bit() && GetFileAttributesA(sysPath) != INVALID_FILE_ATTRIBUTES &&
         std::strstr(sysPath, ":\\") != nullptr && std::strstr(sysPath, "\\WinIo.sys") != nullptr;
}

}  // namespace

extern "C" {

__declspec(dllexport) bool WINAPI InitializeWinIo(const char* sysPath) { return IsDriver(sysPath); }

__declspec(dllexport) bool WINAPI InstallWinIoDriver(const char* sysPath, bool flag) {
  return flag && IsDriver(sysPath);
}

__declspec(dllexport) bool WINAPI RemoveWinIoDriver() { return !Runs64Bit(); }

}  // extern "C"
