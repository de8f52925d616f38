// Display forms of threshold values.
#include "algorithm/volts_text.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

namespace lunda {
namespace {

// The page multiplies by this exact double, not by a division by 100.
const double kHundredth = std::bit_cast<double>(std::uint64_t{0x3F847AE147AE147B});

std::int32_t TruncateToInt32(double value) {
  // A plain conversion of an out-of-range double is undefined; saturate instead.
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

}  // namespace

double TruncateToHundredths(double volts) {
  return static_cast<double>(TruncateToInt32(volts * 100.0)) * kHundredth;
}

std::string FormatVolts(double volts) {
  // to_chars in general form matches "%.*g" without depending on the C locale's decimal point.
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, TruncateToHundredths(volts),
                                    std::chars_format::general, 15);
  return std::string(buffer, result.ptr);
}

std::string BinaryCodeText(std::uint8_t code) {
  std::string text(8, '0');
  for (int bit = 0; bit < 8; ++bit) {
    if (code & (1u << bit)) text[static_cast<std::size_t>(7 - bit)] = '1';
  }
  return text;
}

}  // namespace lunda
