// SystemClock over CLOCK_MONOTONIC, counted in nanoseconds.
#include "platform/system_clock.h"

#include <cerrno>
#include <ctime>

namespace lunda {

namespace {
constexpr std::int64_t kNanosPerSecond = 1'000'000'000;
}

SystemClock::SystemClock() : frequency(kNanosPerSecond) {}

std::int64_t SystemClock::Frequency() const { return frequency; }

std::int64_t SystemClock::Now() const {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * kNanosPerSecond + now.tv_nsec;
}

void SystemClock::Sleep(std::chrono::milliseconds duration) {
  if (duration.count() <= 0) return;
  timespec left{static_cast<time_t>(duration.count() / 1000),
                static_cast<long>(duration.count() % 1000) * 1'000'000L};
  // A signal cuts nanosleep short; sleep on for what is left.
  while (nanosleep(&left, &left) != 0 && errno == EINTR) {
  }
}

void SystemClock::SleepUntil(std::int64_t deadline) {
  const timespec until{static_cast<time_t>(deadline / kNanosPerSecond),
                       static_cast<long>(deadline % kNanosPerSecond)};
  // An absolute deadline on the counter Now reads: a signal's restart does not add up error.
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
  }
}

}  // namespace lunda
