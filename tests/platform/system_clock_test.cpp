// The machine's clock: a counter that never runs back and sleeps that last at least their time.
#include "platform/system_clock.h"

#include <gtest/gtest.h>

namespace lunda {
namespace {

TEST(SystemClock, CountsForwardAtItsFrequencyAndSleepsAtLeastTheTimeAsked) {
  SystemClock clock;
  const std::int64_t frequency = clock.Frequency();
  ASSERT_GE(frequency, 1'000'000);  // fine enough for 100 us steps
  const std::int64_t before = clock.Now();
  clock.Sleep(std::chrono::milliseconds(20));
  const std::int64_t after = clock.Now();
  EXPECT_GE(after - before, frequency / 50);
  const std::int64_t deadline = after + frequency / 50;
  clock.SleepUntil(deadline);
  EXPECT_GE(clock.Now(), deadline - frequency / 1000);  // a timer that rounds to 100 ns or a tick
  std::int64_t previous = clock.Now();
  for (int i = 0; i < 1000; ++i) {
    const std::int64_t now = clock.Now();
    ASSERT_GE(now, previous);
    previous = now;
  }
}

}  // namespace
}  // namespace lunda
