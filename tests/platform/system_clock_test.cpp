// The machine's clock: a counter that never runs back and a sleep that lasts at least its time.
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
  std::int64_t previous = clock.Now();
  for (int i = 0; i < 1000; ++i) {
    const std::int64_t now = clock.Now();
    ASSERT_GE(now, previous);
    previous = now;
  }
}

}  // namespace
}  // namespace lunda
