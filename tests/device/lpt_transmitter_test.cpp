// The transmitter's values, order and waits, on a fake clock.
#include "device/lpt_transmitter.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/device/fake_clock.h"
#include "tests/device/fake_scheduler.h"
#include "tests/device/recording_port.h"

namespace lunda {
namespace {

// 10 kHz makes T one tick, so the whole image is a few hundred thousand reads.
class TransmitImageTest : public testing::Test {
 protected:
  TransmitImageTest() {
    for (std::size_t i = 0; i < algorithm.image.size(); ++i)
      algorithm.image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    job.algorithm = &algorithm;
    port.counter = &job.bytesSent;
  }

  FakeClock clock{10'000, 1};
  RecordingPort port{clock};
  CAlgorithm algorithm;
  TransmitJob job;
  FakeScheduler scheduler;
};

// How the sleep in a block pause wakes from the time it was called and its deadline, and whether
// the system grants real-time.
using Wake = std::function<std::int64_t(std::int64_t now, std::int64_t deadline)>;
class TransmitPauseTest : public TransmitImageTest,
                          public testing::WithParamInterface<std::pair<Wake, bool>> {};

// Whatever the sleep and the scheduler do, every step lasts its length and each block pause is
// slept, counted and at least 700T long. A wait ends on the read that first sees its length
// reached, one tick after its own start: with T one tick, a step of T takes 2, a rest 3, and a
// pause 701 more.
TEST_P(TransmitPauseTest, KeepsTheSequenceAndNoWaitEndsEarly) {
  const Wake& wake = GetParam().first;
  scheduler.grants = GetParam().second;
  std::vector<std::uint32_t> countersInPauses;
  clock.wake = [&](std::int64_t now, std::int64_t deadline) {
    countersInPauses.push_back(job.bytesSent.load());
    return wake ? wake(now, deadline) : deadline;
  };
  ASSERT_EQ(LptTransmitter(port, clock, scheduler).TransmitThreadProc(&job), kTransmitDone);

  ASSERT_EQ(port.writes.size(), kImageSize * 24);
  // The values are the transmission's, which the adapter's tests check sample by sample.
  for (std::size_t i = 0; i + 1 < port.writes.size(); ++i) {
    const std::int64_t length = port.writes[i + 1].time - port.writes[i].time;
    if ((i + 1) % (24 * 32) == 0) {
      ASSERT_GE(length, 3 + 701) << "pause " << i;
    } else {
      ASSERT_EQ(length, i % 3 == 2 ? 3 : 2) << "step " << i;
    }
  }
  EXPECT_GE(clock.Peek() - port.writes.back().time, 3 + 701 + 1000);
  EXPECT_EQ(port.writes[24].counter, 1u);
  ASSERT_EQ(countersInPauses.size(), 160u);  // the last after the last byte
  for (std::size_t i = 0; i < countersInPauses.size(); ++i)
    EXPECT_EQ(countersInPauses[i], 32 * (i + 1));
  EXPECT_EQ(job.scheduling,
            scheduler.grants ? SchedulingMode::kRealTime : SchedulingMode::kDefault);
  EXPECT_EQ(std::pair(scheduler.raises, scheduler.restores), std::pair(1, 1));
}

// On time, early, late, and at once as a signal would wake it.
constexpr const char* kSleepNames[] = {"OnTime", "Early", "LateWithoutRealTime", "AtOnce"};
INSTANTIATE_TEST_SUITE_P(
    Sleeps, TransmitPauseTest,
    testing::Values(
        std::pair<Wake, bool>{nullptr, true},
        std::pair<Wake, bool>{[](std::int64_t, std::int64_t d) { return d - 300; }, true},
        std::pair<Wake, bool>{[](std::int64_t, std::int64_t d) { return d + 300; }, false},
        std::pair<Wake, bool>{[](std::int64_t now, std::int64_t) { return now; }, true}),
    [](const auto& info) { return std::string(kSleepNames[info.index]); });

TEST_F(TransmitImageTest, SendsOnlyWhatThereIsAndAnEmptyImageEndsWithTwo) {
  LptTransmitter transmitter(port, clock, scheduler);
  EXPECT_EQ(transmitter.TransmitThreadProc(nullptr), kTransmitDone);
  algorithm.imageSize = 0;
  EXPECT_EQ(transmitter.TransmitThreadProc(&job), kTransmitNoImage);
  EXPECT_TRUE(port.writes.empty());
  EXPECT_EQ(clock.Peek(), 0);
  EXPECT_EQ(scheduler.raises, 0);
  algorithm.imageSize = kImageSize;
  algorithm.image.resize(40);
  EXPECT_EQ(transmitter.TransmitThreadProc(&job), kTransmitDone);
  EXPECT_EQ(job.bytesSent.load(), 40u);
}

TEST_F(TransmitImageTest, AFailingPortStopsTheWriteWithItsOwnCode) {
  port.failAfter = 3 * 24 + 5;  // during the fourth byte
  EXPECT_EQ(LptTransmitter(port, clock, scheduler).TransmitThreadProc(&job), kTransmitPortFailed);
  EXPECT_EQ(job.bytesSent.load(), 3u);
  EXPECT_EQ(port.writes.size(), 4u * 24);
  EXPECT_EQ(scheduler.restores, 1);
}

}  // namespace
}  // namespace lunda
