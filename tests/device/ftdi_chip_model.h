// An FTDI chip in asynchronous bit-bang mode, modelled on a clock of the caller's: a buffer of a
// fixed size that its own sample clock drains, one sample per tick, and pins that hold the last
// sample clocked out. The sample clock runs freely, so a sample that arrives while the buffer is
// empty goes out on the next tick. The pins hold the last sample clocked out. Standard C++ only:
// the stand-in ftd2xx.dll is built on it too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <numeric>
#include <span>
#include <vector>

namespace lunda {

struct ClockedSample {
  std::int64_t time = 0;  // clock ticks
  std::uint8_t value = 0;
};

class FtdiChipModel {
 public:
  // rateNumerator / rateDenominator samples per second on a clock of frequency ticks per second.
  FtdiChipModel(std::int64_t frequency, std::size_t bufferSamples, std::int64_t rateNumerator,
                std::int64_t rateDenominator)
      : frequency(frequency),
        bufferSamples(bufferSamples),
        // Reduced, so that a tick's time stays within 64 bits for any write's length.
        numerator(rateNumerator / std::gcd(rateNumerator, rateDenominator)),
        denominator(rateDenominator / std::gcd(rateNumerator, rateDenominator)) {}

  // Clocks out every sample whose tick has come by now.
  void DrainUntil(std::int64_t now) {
    while (!pending.empty() && TickTime(nextTick) <= now) {
      clocked.push_back({TickTime(nextTick), pending.front()});
      pending.pop_front();
      ++nextTick;
    }
  }

  // Takes samples into the buffer from now on, waiting for room as the chip would hold off the
  // USB; returns the time the last one was taken.
  std::int64_t Accept(std::int64_t now, std::span<const std::uint8_t> samples) {
    DrainUntil(now);
    for (const std::uint8_t sample : samples) {
      while (pending.empty() && TickTime(nextTick) < now) ++nextTick;  // the clock ran on idle
      if (pending.size() == bufferSamples) {
        now = TickTime(nextTick);
        DrainUntil(now);
      }
      pending.push_back(sample);
    }
    return now;
  }

  std::vector<ClockedSample> clocked;

 private:
  // The ticks of the sample clock, exact in whole clock ticks (rounded down).
  [[nodiscard]] std::int64_t TickTime(std::int64_t tick) const {
    return tick * frequency * denominator / numerator;
  }

  std::int64_t frequency;
  std::size_t bufferSamples;
  std::int64_t numerator;
  std::int64_t denominator;
  std::deque<std::uint8_t> pending;
  std::int64_t nextTick = 0;
};

}  // namespace lunda
