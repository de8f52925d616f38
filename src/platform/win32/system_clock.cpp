// SystemClock over QueryPerformanceCounter; its frequency is fixed at boot, so it is read once.
#include "platform/system_clock.h"

#include <windows.h>

#include "platform/win32/proc_address.h"

// Windows 10 1803 and later have a high-resolution waitable timer, through CreateWaitableTimerExW
// (Vista and later), looked up at run time so that the program still starts on XP. Elsewhere the
// plain timer serves, whose resolution is the system timer period (1 ms while a transmission
// holds it there).
constexpr DWORD kHighResolutionTimer = 0x00000002;  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION

namespace lunda {
namespace {

constexpr std::int64_t kTimerUnitsPerSecond = 10'000'000;  // a waitable timer counts 100 ns

using CreateWaitableTimerExFn = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES, LPCWSTR, DWORD, DWORD);

HANDLE CreateFinestTimer() {
  const auto createEx = ProcAddress<CreateWaitableTimerExFn>(GetModuleHandleW(L"kernel32.dll"),
                                                             "CreateWaitableTimerExW");
  if (createEx != nullptr) {
    if (const HANDLE timer = createEx(nullptr, nullptr, kHighResolutionTimer, TIMER_ALL_ACCESS)) {
      return timer;
    }
  }
  return CreateWaitableTimerW(nullptr, FALSE, nullptr);
}

}  // namespace

SystemClock::SystemClock() {
  LARGE_INTEGER value{};
  QueryPerformanceFrequency(&value);
  frequency = value.QuadPart;
}

std::int64_t SystemClock::Frequency() const { return frequency; }

std::int64_t SystemClock::Now() const {
  LARGE_INTEGER value{};
  QueryPerformanceCounter(&value);
  return value.QuadPart;
}

void SystemClock::Sleep(std::chrono::milliseconds duration) {
  if (duration.count() <= 0) return;
  ::Sleep(static_cast<DWORD>(duration.count()));
}

void SystemClock::SleepUntil(std::int64_t deadline) {
  const std::int64_t left = deadline - Now();
  if (left <= 0) return;
  const HANDLE timer = CreateFinestTimer();
  if (timer == nullptr) return;  // the caller's busy-wait still keeps the deadline
  // A negative due time is relative, so a change of the wall clock cannot move it. Truncating
  // can only wake early.
  LARGE_INTEGER due{};
  due.QuadPart = -(left / frequency * kTimerUnitsPerSecond +
                   left % frequency * kTimerUnitsPerSecond / frequency);
  if (SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
    WaitForSingleObject(timer, INFINITE);
  }
  CloseHandle(timer);
}

}  // namespace lunda
