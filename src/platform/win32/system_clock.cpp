// SystemClock over QueryPerformanceCounter; its frequency is fixed at boot, so it is read once.
#include "platform/system_clock.h"

#include <windows.h>

// Windows 10 1803 and later; older systems refuse the flag and get the plain timer, whose
// resolution is the system timer period (1 ms while a transmission holds it there).
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace lunda {
namespace {

constexpr std::int64_t kTimerUnitsPerSecond = 10'000'000;  // a waitable timer counts 100 ns

HANDLE CreateFinestTimer() {
  const HANDLE timer = CreateWaitableTimerExW(
      nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
  return timer != nullptr ? timer : CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
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
