// The delay byte layout.
#include "algorithm/delay_codec.h"

namespace lunda {

std::uint8_t EncodeDelay(int value, int unit) {
  return static_cast<std::uint8_t>(((unit & 3) << 6) | (value & 0x3F));
}

void DecodeDelay(std::uint8_t byte, int& value, int& unit) {
  unit = byte >> 6;
  value = byte & 0x3F;
}

}  // namespace lunda
