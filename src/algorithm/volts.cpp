// The threshold volts table and the two conversions through it.
#include "algorithm/volts.h"

#include <bit>

namespace lunda {
namespace {

// The double nearest 1/255, spelled by its bits so that no compiler's constant folding of
// 1.0 / 255 can change a table entry.
const double kCodeStep = std::bit_cast<double>(std::uint64_t{0x3F70101010101010});

std::array<double, 256> BuildTable() {
  std::array<double, 256> table{};
  for (int k = 0; k < 256; ++k) {
    const double scaled = static_cast<double>(k) * kCodeStep;
    table[static_cast<std::size_t>(k)] = scaled * 5.0;
  }
  return table;
}

}  // namespace

const std::array<double, 256>& VoltsTable() {
  static const std::array<double, 256> table = BuildTable();
  return table;
}

double CodeToVolts(std::uint8_t code) { return VoltsTable()[code]; }

std::uint8_t VoltsToCode(double volts) {
  const auto& table = VoltsTable();
  for (std::size_t k = 0; k < table.size(); ++k) {
    if (table[k] >= volts) return static_cast<std::uint8_t>(k);
  }
  return 255;  // above 5 V, or NaN, which compares false with every entry
}

}  // namespace lunda
