// Thresholds as the parameter page shows them: volts cut to hundredths, and the code in binary.
#pragma once

#include <cstdint>
#include <string>

namespace lunda {

// volts * 100 truncated toward zero to a signed 32-bit integer, times 0.01. Values whose
// hundredths do not fit 32 bits saturate at the limits; NaN gives 0.
[[nodiscard]] double TruncateToHundredths(double volts);

// TruncateToHundredths(volts) in the shortest form "%.*g" gives at precision 15: "1.96", "2.5",
// "1", "0".
[[nodiscard]] std::string FormatVolts(double volts);

// Eight characters '0'/'1', bit 7 first.
[[nodiscard]] std::string BinaryCodeText(std::uint8_t code);

}  // namespace lunda
