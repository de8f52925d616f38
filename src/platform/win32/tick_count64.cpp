// GetTickCount64 for the thread library: winpthreads calls it for its timed waits, but Windows
// has it only from Vista on, and a program that imports it does not start on XP. Defining the
// import's pointer here keeps it out of the program's import table (the build makes the linker
// take this definition before kernel32's); the pointer leads to the system's own function where
// there is one, and on XP to a millisecond count of the performance counter, which is just as
// monotonic and never wraps.
#include <windows.h>

#include <atomic>

#include "platform/win32/proc_address.h"

namespace {

using TickCount64Fn = ULONGLONG(WINAPI*)();

ULONGLONG WINAPI CounterMilliseconds() {
  LARGE_INTEGER frequency{};
  LARGE_INTEGER count{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  const auto ticks = static_cast<ULONGLONG>(count.QuadPart);
  const auto perSecond = static_cast<ULONGLONG>(frequency.QuadPart);
  return ticks / perSecond * 1000 + ticks % perSecond * 1000 / perSecond;
}

// Looked up on the first call and kept; two threads that race here find the same function.
std::atomic<TickCount64Fn> found{nullptr};

ULONGLONG WINAPI TickCount64() {
  TickCount64Fn function = found.load(std::memory_order_relaxed);
  if (function == nullptr) {
    function =
        lunda::ProcAddress<TickCount64Fn>(GetModuleHandleW(L"kernel32.dll"), "GetTickCount64");
    if (function == nullptr) function = CounterMilliseconds;
    found.store(function, std::memory_order_relaxed);
  }
  return function();
}

}  // namespace

// The import pointer as the thread library's objects name it (__declspec(dllimport) of a
// stdcall function without arguments).
extern "C" TickCount64Fn lunda_imp_GetTickCount64 __asm__("__imp__GetTickCount64@0");
TickCount64Fn lunda_imp_GetTickCount64 = TickCount64;
