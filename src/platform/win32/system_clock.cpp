// SystemClock over QueryPerformanceCounter; its frequency is fixed at boot, so it is read once.
#include "platform/system_clock.h"

#include <windows.h>

namespace lunda {

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

}  // namespace lunda
