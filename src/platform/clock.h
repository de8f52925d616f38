// The platform's monotonic high-resolution counter and a plain sleep.
#pragma once

#include <chrono>
#include <cstdint>

namespace lunda {

class Clock {
 public:
  virtual ~Clock() = default;
  [[nodiscard]] virtual std::int64_t Frequency() const = 0;  // ticks per second
  [[nodiscard]] virtual std::int64_t Now() const = 0;        // monotonic tick count
  virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

}  // namespace lunda
