// The controller's reading of a stream: bytes, block pauses and steps that are too short.
#include "device/bit_stream_decoder.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "algorithm/algorithm.h"
#include "device/lpt_transmitter.h"

namespace lunda {
namespace {

constexpr std::int64_t kUnit = 100;

// The stretches of every bit, in ticks, as a transmitter would hold them.
struct Schedule {
  std::int64_t setup = kUnit;
  std::int64_t low = kUnit;
  std::int64_t rest = 2 * kUnit;
  std::int64_t pause = kBlockPauseUnits * kUnit;
};

// Decodes bytes written as the transmitter does, with one stretch of one bit changed.
TransferReport Decode(const std::vector<std::uint8_t>& bytes, std::size_t oddBit, Schedule odd) {
  BitStreamDecoder decoder(1'000'000, kUnit);
  decoder.Feed(0, kPortRestLevel);
  std::int64_t time = 1000;
  std::size_t bitIndex = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    for (int bit = 0; bit < 8; ++bit, ++bitIndex) {
      const Schedule s = bitIndex == oddBit ? odd : Schedule{};
      const std::uint8_t setup = 0x81 | (((bytes[i] >> bit) & 1) << 1);
      decoder.Feed(time, setup);
      decoder.Feed(time += s.setup, setup & 0xFE);
      decoder.Feed(time += s.low, 0x81);
      time += s.rest;
    }
    if ((i + 1) % 32 == 0) time += (bitIndex - 1 == oddBit ? odd : Schedule{}).pause;
  }
  return decoder.Result(time);
}

struct ShortStep {
  const char* name;
  std::uint8_t byte;  // every byte of the stream
  std::size_t bit;    // the bit whose stretch is short; bit 255 ends the first block
  Schedule schedule;
  TransferStep expected;
};

class ShortStepTest : public testing::TestWithParam<ShortStep> {};

TEST_P(ShortStepTest, IsFlaggedWithItsBit) {
  const ShortStep& c = GetParam();
  const std::vector<std::uint8_t> bytes(33, c.byte);
  const TransferReport report = Decode(bytes, c.bit, c.schedule);
  EXPECT_EQ(report.bytes, bytes);
  ASSERT_EQ(report.violationCount, 1u) << c.name;
  EXPECT_EQ(report.violations[0].step, c.expected);
  EXPECT_EQ(report.violations[0].bitIndex, c.bit);
  EXPECT_LT(report.shortestStepRatio, 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ShortStepTest,
    testing::Values(
        ShortStep{"SetupOfA1", 0xFF, 9, {.setup = kUnit - 1}, TransferStep::kSetup},
        ShortStep{"ClockLow", 0x00, 9, {.low = kUnit - 1}, TransferStep::kClockLow},
        ShortStep{"RestBeforeA1", 0xFF, 9, {.rest = 2 * kUnit - 1}, TransferStep::kRest},
        // A 0 bit's set-up is invisible on the wire: rest and set-up are one stretch of 3T.
        ShortStep{"RestBeforeA0", 0x00, 9, {.rest = kUnit}, TransferStep::kRest},
        ShortStep{"BlockPause", 0xFF, 255, {.pause = 699 * kUnit}, TransferStep::kBlockPause}),
    [](const auto& info) { return std::string(info.param.name); });

// The verdict wants a whole patched image, and not one bit more.
TEST(BitStreamDecoderTest, AGoodVerdictTakesNoStrayBit) {
  CAlgorithm algorithm;
  ASSERT_TRUE(algorithm.PatchImage({2026, 12, 7}));
  TransferReport report;
  report.bytes = algorithm.image;
  EXPECT_TRUE(IsGoodTransfer(report));
  report.strayBits = 1;
  EXPECT_FALSE(IsGoodTransfer(report));
}

// A waveform file may name any unit; the rest's 2T must not overflow into a length of nothing.
TEST(BitStreamDecoderTest, AUnitBeyondAnyCounterFindsEveryStepShort) {
  BitStreamDecoder decoder(1'000'000'000, std::numeric_limits<std::int64_t>::max());
  for (const auto& [time, value] : {std::pair{0, 0x01}, {10, 0x81}, {20, 0x80}, {30, 0x81}})
    decoder.Feed(time, static_cast<std::uint8_t>(value));
  const TransferReport report = decoder.Result(40);
  EXPECT_EQ(report.stepsTimed, 3u);  // set-up, clock low, rest
  EXPECT_EQ(report.violationCount, 3u);
}

}  // namespace
}  // namespace lunda
