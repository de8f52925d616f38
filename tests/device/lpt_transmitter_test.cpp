// The transmitter's values, order and waits, on a fake clock.
#include "device/lpt_transmitter.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/device/fake_clock.h"
#include "tests/device/fake_scheduler.h"
#include "tests/device/recording_port.h"

namespace lunda {
namespace {

TEST(SendByteTiming, HoldsTTAndTwoTEachMeasuredFromItsOwnStart) {
  // Every wait ends on the read that first sees its length reached, one tick-step later.
  FakeClock clock(10'000'000, 1);
  RecordingPort port(clock);
  FakeScheduler scheduler;
  LptTransmitter(port, clock, scheduler).SendByte(0x5A, 1000);
  ASSERT_EQ(port.writes.size(), 24u);
  for (std::size_t i = 1; i < port.writes.size(); ++i) {
    const std::int64_t expected = i % 3 == 0 ? 2001 : 1001;
    EXPECT_EQ(port.writes[i].time - port.writes[i - 1].time, expected) << "write " << i;
  }
  EXPECT_EQ(clock.Peek() - port.writes.back().time, 2001);
}

template <typename Base>
class TransmitImageFixture : public Base {
 protected:
  TransmitImageFixture() {
    for (std::size_t i = 0; i < algorithm.image.size(); ++i)
      algorithm.image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    job.algorithm = &algorithm;
    port.counter = &job.bytesSent;
  }

  // 10 kHz makes T one tick, so the whole image is a few hundred thousand reads.
  FakeClock clock{10'000, 1};
  RecordingPort port{clock};
  CAlgorithm algorithm;
  TransmitJob job;
  FakeScheduler scheduler;
};
using TransmitImageTest = TransmitImageFixture<testing::Test>;

// How the sleep in a block pause wakes, and whether the system grants real-time.
struct PauseCase {
  const char* name;
  std::function<std::int64_t(std::int64_t now, std::int64_t deadline)> wake;
  bool grants;
};

void PrintTo(const PauseCase& c, std::ostream* out) { *out << c.name; }

class TransmitPauseTest : public TransmitImageFixture<testing::TestWithParam<PauseCase>> {};

// Whatever the sleep and the scheduler do, the values, their order and every wait's minimum are
// those of the bit table, and each block pause is counted and at least 700T long.
TEST_P(TransmitPauseTest, KeepsTheSequenceAndNoWaitEndsEarly) {
  clock.wake = GetParam().wake;
  scheduler.grants = GetParam().grants;
  std::vector<std::uint32_t> countersInPauses;
  clock.onRead = [&](std::int64_t now) {
    // Inside a pause: longer since the last write than any step of a bit, once per pause.
    if (!port.writes.empty() && now - port.writes.back().time > 3 &&
        (countersInPauses.empty() || countersInPauses.back() != job.bytesSent.load())) {
      countersInPauses.push_back(job.bytesSent.load());
    }
  };
  ASSERT_EQ(LptTransmitter(port, clock, scheduler).TransmitThreadProc(&job), kTransmitDone);
  clock.onRead = nullptr;

  ASSERT_EQ(port.writes.size(), kImageSize * 24);
  for (std::size_t i = 0; i < port.writes.size(); ++i) {
    // Each bit, least significant first: set-up with the clock high, clock low, rest.
    const int data = ((algorithm.image[i / 24] >> (i % 24 / 3)) & 1) << 1;
    const int expected = i % 3 == 2 ? 0x81 : 0x80 | data | (i % 3 == 0 ? 1 : 0);
    ASSERT_EQ(port.writes[i].value, expected) << "write " << i;
    const bool pause = (i + 1) % (24 * 32) == 0;
    const std::int64_t least = i % 3 == 2 ? 2 + (pause ? 700 : 0) : 1;
    if (i + 1 < port.writes.size()) {
      ASSERT_GE(port.writes[i + 1].time - port.writes[i].time, least) << "step " << i;
    }
  }
  EXPECT_GE(clock.Peek() - port.writes.back().time, 2 + 700 + 1000);
  EXPECT_EQ(port.writes[24].counter, 1u);
  EXPECT_EQ(job.bytesSent.load(), 5120u);
  ASSERT_EQ(countersInPauses.size(), 160u);
  for (std::size_t i = 0; i < countersInPauses.size(); ++i)
    EXPECT_EQ(countersInPauses[i], 32 * (i + 1));
  // The pauses sleep, the bit steps never do.
  EXPECT_EQ(clock.sleepDeadlines.size(), 160u);
  EXPECT_EQ(job.scheduling,
            GetParam().grants ? SchedulingMode::kRealTime : SchedulingMode::kDefault);
  EXPECT_EQ(scheduler.raises, 1);
  EXPECT_EQ(scheduler.restores, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Sleeps, TransmitPauseTest,
    testing::Values(
        PauseCase{"OnTimeRealTime", nullptr, true},
        PauseCase{"EarlyRealTime", [](std::int64_t, std::int64_t d) { return d - 300; }, true},
        PauseCase{"LateRefused", [](std::int64_t, std::int64_t d) { return d + 300; }, false},
        PauseCase{"SignalAtOnce", [](std::int64_t now, std::int64_t) { return now; }, true}),
    [](const testing::TestParamInfo<PauseCase>& info) { return info.param.name; });

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
