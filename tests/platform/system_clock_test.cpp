// The machine's clock: a counter at its frequency and sleeps that last at least their time.
#include "platform/system_clock.h"

#include <gtest/gtest.h>

namespace lunda {
namespace {

TEST(SystemClock, SleepsAtLeastTheTimeAsked) {
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
}

}  // namespace
}  // namespace lunda
