// A clock for tests: time moves only when read (by a settable step) or slept, so timing is exact
// and a 27 s transmission takes milliseconds.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>

#include "platform/clock.h"

namespace lunda {

class FakeClock final : public Clock {
 public:
  explicit FakeClock(std::int64_t frequency = 10'000'000, std::int64_t step = 1)
      : frequency(frequency), step(step) {}

  [[nodiscard]] std::int64_t Frequency() const override { return frequency; }
  [[nodiscard]] std::int64_t Now() const override {
    const std::int64_t now = ticks;
    ticks += step;
    return now;
  }
  void Sleep(std::chrono::milliseconds duration) override {
    ticks += duration.count() * frequency / 1000;
  }
  // Wakes where wake says (on time unless set), but never moves the clock back.
  void SleepUntil(std::int64_t deadline) override {
    ticks = std::max(ticks, wake ? wake(ticks, deadline) : deadline);
  }

  // Without moving the clock.
  [[nodiscard]] std::int64_t Peek() const { return ticks; }

  // When SleepUntil wakes, from the time it was called and its deadline: early, late, or at once
  // as a signal would make it.
  std::function<std::int64_t(std::int64_t now, std::int64_t deadline)> wake;

 private:
  std::int64_t frequency;
  std::int64_t step;
  mutable std::int64_t ticks = 0;
};

}  // namespace lunda
