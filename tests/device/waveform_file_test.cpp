// A recording read back: the same values at the same times, and readable by the decoder.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "device/lpt_transmitter.h"
#include "device/vcd_reader.h"
#include "device/waveform_recorder.h"
#include "tests/device/fake_clock.h"
#include "tests/device/recording_port.h"

namespace lunda {
namespace {

using Samples = std::vector<std::pair<std::int64_t, int>>;

Samples Read(const Waveform& waveform) {
  Samples samples;
  for (const PortSample& sample : waveform.samples) samples.emplace_back(sample.time, sample.value);
  return samples;
}

TEST(WaveformFile, RoundTripsValuesTimesAndTheUnit) {
  const auto path = std::filesystem::path(testing::TempDir()) / "lunda_round_trip.vcd";
  FakeClock clock(3'579'545, 12'352);  // each change reads the clock once
  std::string error;
  auto recorder =
      WaveformRecorder::Create(std::make_unique<RecordingPort>(clock), clock, path, error);
  ASSERT_TRUE(recorder) << error;
  for (const std::uint8_t value : {0x01, 0x81, 0x80, 0x81, 0x81, 0x83, 0x14, 0x01})
    recorder->Write(value);
  ASSERT_TRUE(recorder->Close(error)) << error;

  Waveform waveform;
  ASSERT_TRUE(ReadVcdFile(path, waveform, error)) << error;
  std::filesystem::remove(path);
  EXPECT_EQ(waveform.unitNanos, 99'733);  // 357 ticks
  std::vector<int> values;                // the unknown start, then each change
  for (const PortSample& sample : waveform.samples) values.push_back(sample.value);
  ASSERT_EQ(values, (std::vector<int>{0x00, 0x01, 0x81, 0x80, 0x81, 0x83, 0x14, 0x01}));
  EXPECT_NEAR(waveform.samples[2].time - waveform.samples[1].time, 3'450'718, 1);  // 12,352 ticks
  EXPECT_GT(waveform.endTime, waveform.samples.back().time);
  // An hour of a 3.58 GHz counter would overflow a plain multiplication.
  EXPECT_EQ(TicksToNanos(3'580'000'000LL * 3600, 3'580'000'000LL), 3600LL * 1'000'000'000);
}

TEST(VcdReader, ReadsOrRefuses) {
  const std::pair<const char*, Samples> cases[] = {
      {"$timescale 1us $end $var wire 8 # data [7:0] $end $enddefinitions $end\n"
       "#0 b1 # #5 b10000011 # #7 b10000010 #\n",
       {{0, 0x01}, {5000, 0x83}, {7000, 0x82}}},
      // Analyser wires among other signals.
      {"$timescale 10 ns $end $scope module top $end $var wire 1 a D0 $end\n"
       "$var wire 1 b d7 $end $var wire 1 c clk $end $upscope $end\n"
       "$enddefinitions $end #0 $dumpvars 1a 0b 0c $end #3 1b 1c #4 1c\n",
       {{0, 0x01}, {30, 0x81}}},
      {"$var wire 1 ! clk $end $enddefinitions $end #0 1!\n", {}},             // no port lines
      {"$var wire 8 ! data $end $enddefinitions $end #5 b1 ! #4 b0 !\n", {}},  // time backwards
      {"$timescale 100 s $end $var wire 8 ! data $end $enddefinitions $end\n"
       "#184467441 b1 !\n",
       {}}};  // beyond 64 bits of nanoseconds; unchecked, it would wrap to a plausible 26 s
  for (const auto& [text, samples] : cases) {
    std::istringstream in(text);
    Waveform waveform;
    std::string error;
    if (ReadVcd(in, waveform, error)) {
      EXPECT_EQ(Read(waveform), samples) << text;
    } else {
      EXPECT_TRUE(samples.empty()) << text << error;
      EXPECT_NE(error.find("line"), std::string::npos) << error;
    }
  }
}

}  // namespace
}  // namespace lunda
