// Any bytes as a waveform file, through the reader and the decoder as `lunda-cli decode` runs
// them: times never go back, and a byte needs eight clock edges.
#include <cstdint>
#include <sstream>
#include <string>

#include "device/bit_stream_decoder.h"
#include "device/transfer_report.h"
#include "device/vcd_reader.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using lunda::fuzz::Check;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  lunda::Waveform waveform;
  std::string error;
  if (!lunda::ReadVcd(in, waveform, error)) {
    Check(error.starts_with("line "), "a refusal names the line");
    return 0;
  }
  std::int64_t last = 0;
  for (const lunda::PortSample& sample : waveform.samples) {
    Check(sample.time >= last, "samples in time order");
    last = sample.time;
  }
  Check(waveform.samples.empty() || waveform.endTime >= last, "the end is after the last change");

  constexpr std::int64_t kNanosPerSecond = 1'000'000'000;
  lunda::BitStreamDecoder decoder(kNanosPerSecond, waveform.unitNanos.value_or(100'000));
  for (const lunda::PortSample& sample : waveform.samples) decoder.Feed(sample.time, sample.value);
  const lunda::TransferReport report = decoder.Result(waveform.endTime);
  Check(report.bytes.size() * 8 <= waveform.samples.size(), "each bit needs a change");
  Check(report.violations.size() <= report.violationCount, "listed violations are counted");
  static_cast<void>(lunda::FormatTransferReport(report));
  return 0;
}
