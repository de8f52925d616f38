// BitStreamDecoder: the controller's side of the cable.
#include "device/bit_stream_decoder.h"

#include <algorithm>
#include <limits>

#include "device/lpt_transmitter.h"

namespace lunda {
namespace {

constexpr std::uint64_t kBitsPerBlock = 8 * kBytesPerBlock;

void Check(TransferReport& report, TransferStep step, std::uint64_t bitIndex, std::int64_t measured,
           std::int64_t nominal) {
  if (nominal <= 0) return;  // T = 0: every step is long enough
  const double ratio = static_cast<double>(measured) / static_cast<double>(nominal);
  if (report.stepsTimed == 0 || ratio < report.shortestStepRatio) report.shortestStepRatio = ratio;
  ++report.stepsTimed;
  if (measured >= nominal) return;
  ++report.violationCount;
  if (report.violations.size() < kListedViolations)
    report.violations.push_back({step, bitIndex, measured, nominal});
}

// count units in ticks; a length beyond 64 bits (from a unit no counter gives, which only a
// file can name) becomes the longest one, which no measured step reaches.
std::int64_t UnitsToTicks(std::int64_t unit, std::int64_t count) {
  constexpr std::int64_t kLongest = std::numeric_limits<std::int64_t>::max();
  return unit > kLongest / count ? kLongest : unit * count;
}

}  // namespace

BitStreamDecoder::BitStreamDecoder(std::int64_t frequency, std::int64_t unit) {
  report.frequency = frequency;
  report.unit = unit;
}

void BitStreamDecoder::Feed(std::int64_t time, std::uint8_t value) {
  if (!started) {
    started = true;
    level = value;
    lastChange = time;
    return;
  }
  if (value == level) return;
  const bool clockFalls =
      (level & kClockBit) != 0 && (value & kClockBit) == 0 && (value & kFrameBit) != 0;
  const bool clockRises = clockLow && (value & kClockBit) != 0;
  const bool dataChanged = ((level ^ value) & kDataBit) != 0;
  // A fall straight after the rest, with D1 as it was, means the set-up hid in the rest.
  const bool mergedSetup = restOpen && clockFalls && !dataChanged;
  if (restOpen) {
    EndRest(time, mergedSetup, report);
    restOpen = false;
  }
  if (clockFalls) {
    if (!mergedSetup)
      Check(report, TransferStep::kSetup, bits, dataChanged ? 0 : time - lastChange, report.unit);
    if ((value & kDataBit) != 0) partial |= static_cast<std::uint8_t>(1u << (bits % 8));
    if (++bits % 8 == 0) {
      report.bytes.push_back(partial);
      partial = 0;
    }
    fallTime = time;
    clockLow = true;
  } else if (clockRises) {
    Check(report, TransferStep::kClockLow, bits - 1, time - fallTime, report.unit);
    clockLow = false;
    restOpen = true;
  }
  level = value;
  lastChange = time;
}

void BitStreamDecoder::EndRest(std::int64_t time, bool mergedSetup, TransferReport& into) const {
  const bool block = bits % kBitsPerBlock == 0;
  const std::int64_t nominal =
      UnitsToTicks(into.unit, 2 + (block ? kBlockPauseUnits : 0) + (mergedSetup ? 1 : 0));
  const std::int64_t measured = time - lastChange;
  if (block) {
    ++into.blockPauses;
    into.shortestBlockPause = std::min(into.shortestBlockPause.value_or(measured), measured);
  }
  Check(into, block ? TransferStep::kBlockPause : TransferStep::kRest, bits - 1, measured, nominal);
}

TransferReport BitStreamDecoder::Result(std::optional<std::int64_t> endTime) const {
  TransferReport result = report;
  if (restOpen && endTime) EndRest(*endTime, false, result);
  result.strayBits = static_cast<int>(bits % 8);
  return result;
}

}  // namespace lunda
