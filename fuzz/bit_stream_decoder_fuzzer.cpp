// Any values at any times, in order, on the controller's side of the cable, whatever the
// frequency and the unit: the report stays consistent.
#include <fuzzer/FuzzedDataProvider.h>

#include <limits>

#include "device/bit_stream_decoder.h"
#include "device/lpt_transmitter.h"
#include "device/transfer_report.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  FuzzedDataProvider input(data, size);
  const auto frequency = input.ConsumeIntegralInRange<std::int64_t>(0, kMax);
  // A unit a counter can give, as the simulated controller takes it, or any a file may name.
  const auto unit = input.ConsumeBool() ? lunda::TimeUnitTicks(frequency)
                                        : input.ConsumeIntegralInRange<std::int64_t>(0, kMax);
  const bool closeRest = input.ConsumeBool();
  lunda::BitStreamDecoder decoder(frequency, unit);
  std::int64_t time = input.ConsumeIntegralInRange<std::int64_t>(0, kMax);
  std::size_t changes = 0;
  for (; input.remaining_bytes() > 0; ++changes) {
    decoder.Feed(time, input.ConsumeIntegral<std::uint8_t>());
    time += input.ConsumeIntegralInRange<std::int64_t>(0, kMax - time);
  }
  const lunda::TransferReport report =
      decoder.Result(closeRest ? std::optional<std::int64_t>(time) : std::nullopt);
  Check(report.bytes.size() * 8 + static_cast<std::size_t>(report.strayBits) <= changes,
        "each bit needs a change");
  Check(report.violations.size() <= report.violationCount, "listed violations are counted");
  Check(report.violationCount <= report.stepsTimed, "only timed steps are too short");
  static_cast<void>(lunda::FormatTransferReport(report));
  return 0;
}
