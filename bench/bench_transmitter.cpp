// Sends a whole image through the real transmitter, on the real clock and the system's scheduler,
// into a port that only timestamps, and prints how closely the steps keep their nominal lengths,
// how late the block pauses' sleeps wake, and the processor time the transmission took.
// Usage: bench_transmitter [--load[=N]]   with N busy threads for the run (default one per core)
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <thread>
#include <vector>

#include "algorithm/algorithm.h"
#include "device/lpt_transmitter.h"
#include "platform/system_clock.h"
#include "platform/system_scheduler.h"

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

// The system clock, noting how long after its deadline each SleepUntil returns: the figure the
// pauses' final spin must cover.
class SleepWatchingClock final : public Clock {
 public:
  SleepWatchingClock() { lateness.reserve(kImageSize / kBytesPerBlock); }
  [[nodiscard]] std::int64_t Frequency() const override { return system.Frequency(); }
  [[nodiscard]] std::int64_t Now() const override { return system.Now(); }
  void Sleep(std::chrono::milliseconds duration) override { system.Sleep(duration); }
  void SleepUntil(std::int64_t deadline) override {
    system.SleepUntil(deadline);
    lateness.push_back(system.Now() - deadline);
  }

  std::vector<std::int64_t> lateness;

 private:
  SystemClock system;
};

// Threads of ordinary priority that never rest, like an indexer or a virus scan on every core.
class BusyThreads {
 public:
  explicit BusyThreads(unsigned count) {
    for (unsigned i = 0; i < count; ++i) {
      threads.emplace_back([this] {
        while (!stop.load(std::memory_order_relaxed)) {
        }
      });
    }
  }
  ~BusyThreads() {
    stop = true;
    for (std::thread& thread : threads) thread.join();
  }
  BusyThreads(const BusyThreads&) = delete;
  BusyThreads& operator=(const BusyThreads&) = delete;

 private:
  std::atomic<bool> stop{false};
  std::vector<std::thread> threads;
};

double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The value at quantile q of sorted values.
template <typename T>
T At(const std::vector<T>& sorted, double q) {
  return sorted[static_cast<std::size_t>(q * static_cast<double>(sorted.size() - 1))];
}

int Run(unsigned busyThreads) {
  SleepWatchingClock clock;
  TimestampingPort port(clock);
  const std::unique_ptr<Scheduler> scheduler = CreateSystemScheduler();
  CAlgorithm algorithm;
  for (std::size_t i = 0; i < algorithm.image.size(); ++i)
    algorithm.image[i] = static_cast<std::uint8_t>(i * 31 + 7);
  TransmitJob job;
  job.algorithm = &algorithm;

  const std::int64_t f = clock.Frequency();
  const std::int64_t unit = TimeUnitTicks(f);
  std::printf("Counter %lld Hz, T = %lld ticks, %u busy threads. Sending %u bytes, about 28 s...\n",
              static_cast<long long>(f), static_cast<long long>(unit), busyThreads,
              algorithm.imageSize);
  int code = 0;
  std::int64_t start = 0;
  std::int64_t end = 0;
  double cpuSeconds = 0;
  {
    const BusyThreads load(busyThreads);
    const double cpuStart = ThreadCpuSeconds();
    start = clock.Now();
    code = LptTransmitter(port, clock, *scheduler).TransmitThreadProc(&job);
    end = clock.Now();
    cpuSeconds = ThreadCpuSeconds() - cpuStart;
  }
  if (code != kTransmitDone) return 1;

  const auto micros = [f](double ticks) { return ticks * 1e6 / static_cast<double>(f); };
  const std::int64_t nominalTotal = NominalTransmitUnits(algorithm.imageSize) * unit + f / 10;
  const double seconds = static_cast<double>(end - start) / static_cast<double>(f);
  std::printf("Scheduling: %s\n", SchedulingModeName(job.scheduling));
  std::printf("Total %.3f s against nominal %.3f s (275840 T + 100 ms): ratio %.5f\n", seconds,
              static_cast<double>(nominalTotal) / static_cast<double>(f),
              static_cast<double>(end - start) / static_cast<double>(nominalTotal));

  // Step i runs from write i to write i + 1; the third write of a bit is followed by 2T, and by
  // 2T + 700T after the last bit of every 32nd byte.
  std::vector<double> overshoots;
  double shortest = 1e300;
  double largestPauseOvershoot = 0;
  for (std::size_t i = 0; i + 1 < port.times.size(); ++i) {
    const bool pause = (i + 1) % (24 * kBytesPerBlock) == 0;
    const std::int64_t nominal = ((i % 3 == 2) ? 2 * unit : unit) + (pause ? 700 * unit : 0);
    const std::int64_t measured = port.times[i + 1] - port.times[i];
    shortest = std::min(shortest, static_cast<double>(measured) / static_cast<double>(nominal));
    overshoots.push_back(micros(static_cast<double>(measured - nominal)));
    if (pause) largestPauseOvershoot = std::max(largestPauseOvershoot, overshoots.back());
  }
  std::sort(overshoots.begin(), overshoots.end());
  std::sort(clock.lateness.begin(), clock.lateness.end());
  std::printf("Shortest step: %.4f of its nominal length (must be >= 1)\n", shortest);
  std::printf("Overshoot per step: median %.3f us, 99th percentile %.3f us, largest %.3f us\n",
              At(overshoots, 0.5), At(overshoots, 0.99), overshoots.back());
  std::printf(
      "Block pauses: largest overshoot %.3f us; their sleeps woke %.1f us (median), "
      "%.1f us (99th percentile), %.1f us (largest) after the deadline %lld us before "
      "the end\n",
      largestPauseOvershoot, micros(static_cast<double>(At(clock.lateness, 0.5))),
      micros(static_cast<double>(At(clock.lateness, 0.99))),
      micros(static_cast<double>(clock.lateness.back())),
      static_cast<long long>(kPauseFinalSpin.count()));
  std::printf("CPU time of the transmitting thread: %.2f s (%.1f%% of the wall time)\n", cpuSeconds,
              100 * cpuSeconds / seconds);
  return shortest >= 1.0 ? 0 : 1;
}

}  // namespace
}  // namespace lunda

int main(int argc, char** argv) {
  unsigned busyThreads = 0;
  if (argc == 2 && std::strcmp(argv[1], "--load") == 0) {
    busyThreads = std::max(1u, std::thread::hardware_concurrency());
  } else if (argc == 2 && std::strncmp(argv[1], "--load=", 7) == 0) {
    busyThreads = static_cast<unsigned>(std::strtoul(argv[1] + 7, nullptr, 10));
  } else if (argc != 1) {
    std::fprintf(stderr, "usage: bench_transmitter [--load[=N]]\n");
    return 2;
  }
  return lunda::Run(busyThreads);
}
