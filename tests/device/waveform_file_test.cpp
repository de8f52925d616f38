// A recording read back: the same values at the same times, and readable by the decoder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "device/lpt_transmitter.h"
#include "device/vcd_reader.h"
#include "device/waveform_recorder.h"
#include "tests/device/fake_clock.h"
#include "tests/device/recording_port.h"

namespace lunda {
namespace {

class WaveformFileTest : public testing::Test {
 protected:
  std::filesystem::path path =
      std::filesystem::path(testing::TempDir()) /
      (std::string("lunda_") + testing::UnitTest::GetInstance()->current_test_info()->name() +
       ".vcd");
  void TearDown() override { std::filesystem::remove(path); }
};

TEST_F(WaveformFileTest, RoundTripsValuesTimesAndTheUnit) {
  FakeClock clock(3'579'545, 7);
  auto inner = std::make_unique<RecordingPort>(clock);
  RecordingPort& seen = *inner;
  std::string error;
  auto recorder = WaveformRecorder::Create(std::move(inner), clock, path, error);
  ASSERT_TRUE(recorder) << error;
  const std::vector<std::uint8_t> values = {0x01, 0x81, 0x80, 0x81, 0x81, 0x83, 0x14, 0x01};
  for (const std::uint8_t value : values) {
    recorder->Write(value);
    clock.Advance(12'345);
  }
  ASSERT_TRUE(recorder->Close(error)) << error;
  ASSERT_EQ(seen.writes.size(), values.size());  // every write reaches the port

  Waveform waveform;
  ASSERT_TRUE(ReadVcdFile(path, waveform, error)) << error;
  EXPECT_EQ(waveform.unitNanos, TicksToNanos(357, 3'579'545));
  ASSERT_EQ(waveform.samples.size(), values.size());  // the unknown start, then 7 changes
  EXPECT_EQ(waveform.samples[0].value, 0x00);
  std::uint8_t previous = 0;
  std::size_t sample = 1;
  for (const std::uint8_t value : values) {
    if (value == previous) continue;
    ASSERT_LT(sample, waveform.samples.size());
    EXPECT_EQ(waveform.samples[sample].value, value);
    ++sample;
    previous = value;
  }
  const std::int64_t gap = waveform.samples[2].time - waveform.samples[1].time;
  EXPECT_NEAR(static_cast<double>(gap), 12'352 * 1e9 / 3'579'545, 1.0);
  EXPECT_GT(waveform.endTime, waveform.samples.back().time);
}

TEST_F(WaveformFileTest, AFileThatCannotBeCreatedFailsAtOnce) {
  FakeClock clock;
  std::string error;
  EXPECT_FALSE(WaveformRecorder::Create(std::make_unique<RecordingPort>(clock), clock,
                                        path / "no" / "such.vcd", error));
  EXPECT_NE(error.find("such.vcd"), std::string::npos);
}

TEST(TicksToNanos, IsExactForWholeFractionsAndSafeForLongRecordings) {
  EXPECT_EQ(TicksToNanos(357, 10'000'000), 35'700);
  EXPECT_EQ(TicksToNanos(3'579'545, 3'579'545), 1'000'000'000);
  // An hour of a 3.58 GHz counter would overflow a plain multiplication.
  EXPECT_EQ(TicksToNanos(3'580'000'000LL * 3600, 3'580'000'000LL), 3600LL * 1'000'000'000);
}

struct VcdCase {
  const char* name;
  const char* text;
  std::vector<PortSample> samples;  // empty: the file is refused
};

class VcdReaderTest : public testing::TestWithParam<VcdCase> {};

TEST_P(VcdReaderTest, ReadsOrRefuses) {
  std::istringstream in(GetParam().text);
  Waveform waveform;
  std::string error;
  const bool read = ReadVcd(in, waveform, error);
  if (GetParam().samples.empty()) {
    EXPECT_FALSE(read);
    EXPECT_NE(error.find("line"), std::string::npos) << error;
    return;
  }
  ASSERT_TRUE(read) << error;
  ASSERT_EQ(waveform.samples.size(), GetParam().samples.size());
  for (std::size_t i = 0; i < waveform.samples.size(); ++i) {
    EXPECT_EQ(waveform.samples[i].time, GetParam().samples[i].time) << i;
    EXPECT_EQ(waveform.samples[i].value, GetParam().samples[i].value) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, VcdReaderTest,
    testing::Values(
        VcdCase{"bus only, microseconds",
                "$timescale 1us $end $var wire 8 # data [7:0] $end $enddefinitions $end\n"
                "#0 b1 # #5 b10000011 # #7 b10000010 #\n",
                {{0, 0x01}, {5000, 0x83}, {7000, 0x82}}},
        VcdCase{"analyser wires with other signals",
                "$timescale 10 ns $end $scope module top $end $var wire 1 a D0 $end\n"
                "$var wire 1 b d7 $end $var wire 1 c clk $end $upscope $end\n"
                "$enddefinitions $end #0 $dumpvars 1a 0b 0c $end #3 1b 1c #4 1c\n",
                {{0, 0x01}, {30, 0x81}}},
        VcdCase{"no port lines", "$var wire 1 ! clk $end $enddefinitions $end #0 1!\n", {}},
        VcdCase{
            "time backwards", "$var wire 8 ! data $end $enddefinitions $end #5 b1 ! #4 b0 !\n", {}},
        VcdCase{"bad time", "$var wire 8 ! data $end $enddefinitions $end #x1\n", {}},
        VcdCase{"not a VCD", "hello world\n", {}},
        VcdCase{"no header end", "$var wire 8 ! data $end\n", {}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
}  // namespace lunda
