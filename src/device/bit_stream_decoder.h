// Turns the port's values over time back into bytes the way the controller reads them, and
// checks every step's length against the time unit.
#pragma once

#include <cstdint>
#include <optional>

#include "device/transfer_report.h"

namespace lunda {

// The controller takes D1 as a bit when D0 falls while D7 is high, least significant bit first.
// It sees the wire, not the writes: a write that repeats the level is no event, so the set-up of
// a 0 bit after a rest is one stretch with that rest and is checked as such.
class BitStreamDecoder {
 public:
  // unit is T in ticks, 0 or more.
  BitStreamDecoder(std::int64_t frequency, std::int64_t unit);

  // Values in time order.
  void Feed(std::int64_t time, std::uint8_t value);
  // The report so far; endTime, when known, closes a rest still open (the pause after the last
  // block).
  [[nodiscard]] TransferReport Result(std::optional<std::int64_t> endTime) const;

 private:
  void EndRest(std::int64_t time, bool mergedSetup, TransferReport& into) const;

  TransferReport report;
  bool started = false;
  std::uint8_t level = 0;
  std::int64_t lastChange = 0;
  std::int64_t fallTime = 0;
  bool clockLow = false;
  bool restOpen = false;
  std::uint64_t bits = 0;
  std::uint8_t partial = 0;
};

}  // namespace lunda
