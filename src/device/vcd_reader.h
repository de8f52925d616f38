// Reads the data register's values over time back out of a VCD file: ours, or a logic analyser's
// with wires D0..D7 or an 8-bit bus "data".
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace lunda {

struct PortSample {
  std::int64_t time = 0;  // ns
  std::uint8_t value = 0;
};

struct Waveform {
  std::vector<PortSample> samples;        // each a change of the value, in time order
  std::int64_t endTime = 0;               // ns, the last time stamp of the file
  std::optional<std::int64_t> unitNanos;  // the transmitter's T, when the file names it
};

// Lines of unknown level (x, z) read as 0. False, with the line and what is wrong in error, for a
// file that is no VCD or has none of the lines.
[[nodiscard]] bool ReadVcd(std::istream& in, Waveform& waveform, std::string& error);
[[nodiscard]] bool ReadVcdFile(const std::filesystem::path& path, Waveform& waveform,
                               std::string& error);

}  // namespace lunda
