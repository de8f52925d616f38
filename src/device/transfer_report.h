// What a controller made of a bit stream: the bytes, what they carry, and how well it was timed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "algorithm/algorithm_params.h"
#include "algorithm/calendar_date.h"

namespace lunda {

// The stretches of a bit whose length the controller relies on.
enum class TransferStep {
  kSetup,       // data steady before the clock falls, nominal T
  kClockLow,    // clock low, nominal T
  kRest,        // clock high after a bit, nominal 2T (3T when the next bit's set-up is merged)
  kBlockPause,  // rest after every 32nd byte, nominal 2T + 700T (+ T likewise)
};

struct TimingViolation {
  TransferStep step = TransferStep::kSetup;
  std::uint64_t bitIndex = 0;  // position in the stream; byte bitIndex / 8, bit bitIndex % 8
  std::int64_t measured = 0;   // ticks
  std::int64_t nominal = 0;    // ticks
};

inline constexpr std::size_t kListedViolations = 20;

struct TransferReport {
  std::int64_t frequency = 0;  // ticks per second of every time below
  std::int64_t unit = 0;       // T in ticks
  std::vector<std::uint8_t> bytes;
  int strayBits = 0;  // bits after the last whole byte
  std::uint64_t stepsTimed = 0;
  double shortestStepRatio = 0;  // shortest step over its nominal length, when stepsTimed > 0
  std::uint32_t blockPauses = 0;
  std::optional<std::int64_t> shortestBlockPause;  // ticks
  std::uint64_t violationCount = 0;
  std::vector<TimingViolation> violations;  // the first kListedViolations
};

// Date, number and parameters as an image lays them out.
struct CarriedContent {
  std::optional<CalendarDate> date;  // nothing when the bytes are no valid BCD date
  std::uint8_t number = 0;
  AlgorithmParams params;
};

[[nodiscard]] CarriedContent ReadCarriedContent(const std::vector<std::uint8_t>& bytes);
[[nodiscard]] bool ChecksumAddsUp(const std::vector<std::uint8_t>& bytes);
// A whole image, adding up, with a valid date, no stray bits and no step too short.
[[nodiscard]] bool IsGoodTransfer(const TransferReport& report);
// Several lines for people, ending with the verdict.
[[nodiscard]] std::string FormatTransferReport(const TransferReport& report);

}  // namespace lunda
