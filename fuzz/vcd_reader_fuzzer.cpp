// Any bytes as a waveform file, read as `lunda-cli decode` reads it: a refusal names the line,
// and the samples of a file read are in time order up to its end.
#include <sstream>

#include "device/vcd_reader.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  lunda::Waveform waveform;
  std::string error;
  if (!lunda::ReadVcd(in, waveform, error)) {
    Check(error.starts_with("line "), "a refusal names the line");
    return 0;
  }
  std::int64_t last = 0;
  for (const lunda::PortSample& sample : waveform.samples) {
    Check(sample.time >= last && waveform.endTime >= sample.time, "samples in time order");
    last = sample.time;
  }
  return 0;
}
