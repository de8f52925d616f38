// The platform's monotonic high-resolution counter, a plain sleep and a sleep to a tick.
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
  // Sleeps until about the tick deadline of Now's counter, on the system's finest timer. It can
  // end early (a signal) or late (timer and scheduling latency); a caller that needs the deadline
  // exactly busy-waits the rest.
  virtual void SleepUntil(std::int64_t deadline) = 0;
};

}  // namespace lunda
