// A write through a USB adapter on the fake chip: the stream it clocks out, sample by sample, and
// what the controller decodes from it.
#include "device/ftdi_port.h"

#include <gtest/gtest.h>

#include "tests/device/fake_ftdi.h"
#include "tests/device/fake_scheduler.h"

namespace lunda {
namespace {

// The bit table written out sample by sample, one sample a T, independently of the code that
// builds the stream.
std::vector<std::uint8_t> ExpectedStream(const FirmwareImage& image) {
  std::vector<std::uint8_t> samples;
  for (std::size_t i = 0; i < image.size(); ++i) {
    for (int bit = 0; bit < 8; ++bit) {
      const auto data = static_cast<std::uint8_t>(((image[i] >> bit) & 1) << 1);
      samples.insert(samples.end(), {static_cast<std::uint8_t>(0x81 | data),
                                     static_cast<std::uint8_t>(0x80 | data), 0x81, 0x81});
    }
    if ((i + 1) % 32 == 0) samples.insert(samples.end(), 700, 0x81);
  }
  samples.insert(samples.end(), 1000, 0x81);  // the final 100 ms
  return samples;
}

// Every sample of the stream is the bit table's, each step exactly its number of T, on a clock
// that never stops between them; the controller reads the image back with no step short, and
// the port is released.
TEST(FtdiPortTest, AWriteIsTheBitTableOneSampleAT) {
  FakeClock clock(10'000'000, 1);
  FakeFtdi ftdi(clock);
  CAlgorithm algorithm;
  for (std::size_t i = 0; i < algorithm.image.size(); ++i)
    algorithm.image[i] = static_cast<std::uint8_t>(i * 7 + 3);
  TransmitJob job;
  job.algorithm = &algorithm;
  FakeScheduler scheduler;
  {
    PortFault fault;
    const std::unique_ptr<FtdiPort> port = FtdiPort::Open(ftdi, "", "ftdi", clock, fault);
    ASSERT_TRUE(port);
    ASSERT_EQ(LptTransmitter(*port, clock, scheduler).TransmitThreadProc(&job), kTransmitDone);
    EXPECT_EQ(ftdi.OpenCount(), 1);
  }
  EXPECT_EQ(ftdi.OpenCount(), 0);
  EXPECT_EQ(ftdi.Divisor(), kFtdiDivisor);
  EXPECT_EQ(job.bytesSent.load(), kImageSize);

  const std::vector<ClockedSample>& clocked = ftdi.Clocked();
  const auto framed = [](const ClockedSample& s) { return (s.value & kFrameBit) != 0; };
  const auto first = std::find_if(clocked.begin(), clocked.end(), framed);
  const auto last = std::find_if(clocked.rbegin(), clocked.rend(), framed).base();
  std::vector<std::uint8_t> stream;
  for (auto it = first; it != last; ++it) stream.push_back(it->value);
  EXPECT_TRUE(stream == ExpectedStream(algorithm.image));
  // 100.0208 us a sample on a 10 MHz clock: 1000 or 1001 ticks between neighbours, never more.
  for (auto it = first + 1; it != last; ++it) ASSERT_LE(it->time - (it - 1)->time, 1001);

  const TransferReport report = DecodeClocked(clocked, clock.Frequency());
  EXPECT_TRUE(report.bytes == algorithm.image);
  EXPECT_EQ(report.violationCount, 0u);
  EXPECT_GE(report.shortestStepRatio, 1.0);
  EXPECT_LT(report.shortestStepRatio, 1.001);
}

}  // namespace
}  // namespace lunda
