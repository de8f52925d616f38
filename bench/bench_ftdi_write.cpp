// A whole write through a USB adapter, on the fake chip and a fake clock: the processor time the
// program spends making and handing over the stream (with the fake chip's own bookkeeping, so an
// upper bound), the write's length on the chip's clock against the nominal 275 840 T + 100 ms,
// and the shortest step as the controller measures it.
// Usage: bench_ftdi_write [WRITES]   (default 5)
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "device/lpt_transmitter.h"
#include "tests/device/fake_ftdi.h"
#include "tests/device/fake_scheduler.h"

namespace lunda {
namespace {

double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

int Run(int writes) {
  CAlgorithm algorithm;
  for (std::size_t i = 0; i < algorithm.image.size(); ++i)
    algorithm.image[i] = static_cast<std::uint8_t>(i * 31 + 7);
  constexpr std::int64_t kFrequency = 10'000'000;
  const double nominal = static_cast<double>(NominalTransmitUnits(kImageSize)) * 1e-4 + 0.1;
  double worstCpu = 0;
  double worstRatio = 0;
  double shortestStep = 1e300;
  for (int i = 0; i < writes; ++i) {
    FakeClock clock(kFrequency, 1);
    FakeFtdi ftdi(clock);
    FakeScheduler scheduler;
    PortFault fault;
    std::unique_ptr<FtdiPort> port = FtdiPort::Open(ftdi, "", "ftdi", clock, fault);
    if (!port) return 1;
    TransmitJob job;
    job.algorithm = &algorithm;
    const double cpuStart = ThreadCpuSeconds();
    const int code = LptTransmitter(*port, clock, scheduler).TransmitThreadProc(&job);
    const double cpu = ThreadCpuSeconds() - cpuStart;
    port.reset();
    if (code != kTransmitDone) return 1;
    // From the first sample that moves D7 to the last sample of the final wait.
    const std::vector<ClockedSample> clocked = ftdi.Clocked();
    std::int64_t first = -1;
    for (const ClockedSample& sample : clocked) {
      if ((sample.value & kFrameBit) != 0) {
        first = sample.time;
        break;
      }
    }
    const double samplePeriod = static_cast<double>(kFtdiSampleRate.denominator) /
                                static_cast<double>(kFtdiSampleRate.numerator);
    const double length =
        static_cast<double>(clocked.back().time - first) / kFrequency + samplePeriod;
    const TransferReport report = DecodeClocked(clocked, kFrequency);
    if (report.bytes != algorithm.image || report.violationCount != 0) return 1;
    worstCpu = std::max(worstCpu, cpu);
    worstRatio = std::max(worstRatio, length / nominal);
    shortestStep = std::min(shortestStep, report.shortestStepRatio);
  }
  std::printf("%d writes of %u bytes through the fake FT232H, divisor %u (%.4f us a sample)\n",
              writes, kImageSize, kFtdiDivisor,
              1e6 * static_cast<double>(kFtdiSampleRate.denominator) /
                  static_cast<double>(kFtdiSampleRate.numerator));
  std::printf("CPU time per write: %.3f s at most, %.2f %% of the nominal %.2f s (goal: 5 %%)\n",
              worstCpu, 100 * worstCpu / nominal, nominal);
  std::printf("Length on the chip's clock / nominal: %.5f\n", worstRatio);
  std::printf("Shortest step: %.5f of its nominal length (must be >= 1)\n", shortestStep);
  return shortestStep >= 1 && worstCpu <= 0.05 * nominal ? 0 : 1;
}

}  // namespace
}  // namespace lunda

int main(int argc, char** argv) {
  const int writes = argc > 1 ? std::atoi(argv[1]) : 5;
  if (argc > 2 || writes < 1) {
    std::fprintf(stderr, "usage: bench_ftdi_write [WRITES]\n");
    return 2;
  }
  return lunda::Run(writes);
}
