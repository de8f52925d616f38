// The machine's own monotonic counter: clock_gettime on POSIX, the performance counter on Win32.
#pragma once

#include <chrono>
#include <cstdint>

#include "platform/clock.h"

namespace lunda {

class SystemClock final : public Clock {
 public:
  SystemClock();
  [[nodiscard]] std::int64_t Frequency() const override;
  [[nodiscard]] std::int64_t Now() const override;
  void Sleep(std::chrono::milliseconds duration) override;
  void SleepUntil(std::int64_t deadline) override;

 private:
  std::int64_t frequency;
};

}  // namespace lunda
