// Sends a whole image through the real transmitter on the real clock into a port that only
// timestamps, and prints how closely the steps keep their nominal lengths.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "algorithm/algorithm.h"
#include "device/lpt_transmitter.h"
#include "platform/system_clock.h"

namespace lunda {
namespace {

class TimestampingPort final : public Port {
 public:
  explicit TimestampingPort(const Clock& clock) : clock(clock) { times.reserve(kImageSize * 24); }
  void Write(std::uint8_t) override { times.push_back(clock.Now()); }
  [[nodiscard]] std::uint8_t Read() override { return 0; }

  std::vector<std::int64_t> times;

 private:
  const Clock& clock;
};

int Run() {
  SystemClock clock;
  TimestampingPort port(clock);
  CAlgorithm algorithm;
  for (std::size_t i = 0; i < algorithm.image.size(); ++i)
    algorithm.image[i] = static_cast<std::uint8_t>(i * 31 + 7);
  TransmitJob job;
  job.algorithm = &algorithm;

  const std::int64_t f = clock.Frequency();
  const std::int64_t unit = TimeUnitTicks(f);
  std::printf("Counter %lld Hz, T = %lld ticks. Sending %u bytes, about 28 s...\n",
              static_cast<long long>(f), static_cast<long long>(unit), algorithm.imageSize);
  const std::clock_t cpuStart = std::clock();
  const std::int64_t start = clock.Now();
  const int code = LptTransmitter(port, clock).TransmitThreadProc(&job);
  const std::int64_t end = clock.Now();
  const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  if (code != kTransmitDone) return 1;

  const auto micros = [f](double ticks) { return ticks * 1e6 / static_cast<double>(f); };
  const std::int64_t nominalTotal = NominalTransmitUnits(algorithm.imageSize) * unit + f / 10;
  const double seconds = static_cast<double>(end - start) / static_cast<double>(f);
  std::printf("Total %.3f s against nominal %.3f s (275840 T + 100 ms): ratio %.5f\n", seconds,
              static_cast<double>(nominalTotal) / static_cast<double>(f),
              static_cast<double>(end - start) / static_cast<double>(nominalTotal));

  // Step i runs from write i to write i + 1; the third write of a bit is followed by 2T, and by
  // 2T + 700T after the last bit of every 32nd byte.
  std::vector<double> overshoots;
  double shortest = 1e300;
  for (std::size_t i = 0; i + 1 < port.times.size(); ++i) {
    std::int64_t nominal = (i % 3 == 2) ? 2 * unit : unit;
    if ((i + 1) % (24 * kBytesPerBlock) == 0) nominal += kBlockPauseUnits * unit;
    const std::int64_t measured = port.times[i + 1] - port.times[i];
    shortest = std::min(shortest, static_cast<double>(measured) / static_cast<double>(nominal));
    overshoots.push_back(micros(static_cast<double>(measured - nominal)));
  }
  std::sort(overshoots.begin(), overshoots.end());
  const auto at = [&](double q) {
    return overshoots[static_cast<std::size_t>(q * static_cast<double>(overshoots.size() - 1))];
  };
  std::printf("Shortest step: %.4f of its nominal length (must be >= 1)\n", shortest);
  std::printf("Overshoot per step: median %.3f us, 99th percentile %.3f us, largest %.3f us\n",
              at(0.5), at(0.99), overshoots.back());
  std::printf("CPU time: %.2f s (%.0f%% of one core)\n", cpuSeconds, 100 * cpuSeconds / seconds);
  return shortest >= 1.0 ? 0 : 1;
}

}  // namespace
}  // namespace lunda

int main() { return lunda::Run(); }
