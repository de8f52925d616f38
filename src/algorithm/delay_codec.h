// Delay bytes: the unit code in the top two bits, the value 0..63 in the low six.
#pragma once

#include <cstdint>

namespace lunda {

enum DelayUnit : int { kSeconds = 0, kMinutes = 1, kHours = 2, kDays = 3 };

inline constexpr int kMaxDelayValue = 63;

// Only the two low bits of the unit and the six low bits of the value enter the byte.
[[nodiscard]] std::uint8_t EncodeDelay(int value, int unit);
void DecodeDelay(std::uint8_t byte, int& value, int& unit);

}  // namespace lunda
