// Threshold codes 0..255 and the volts they stand for, 0 to 5 V.
#pragma once

#include <array>
#include <cstdint>

namespace lunda {

// Entry k = (k * C) * 5.0 with C the double nearest 1/255, each product rounded to double.
// Built once on first use; strictly rising, entry 51 is exactly 1.0 and entry 255 exactly 5.0.
[[nodiscard]] const std::array<double, 256>& VoltsTable();

[[nodiscard]] double CodeToVolts(std::uint8_t code);
// The smallest code whose volts are >= v; 255 above 5 V or for NaN, 0 for negatives.
[[nodiscard]] std::uint8_t VoltsToCode(double volts);

}  // namespace lunda
