// The image checksum.
#include "algorithm/firmware_image.h"

namespace lunda {

std::uint8_t ChecksumByte(const std::uint8_t* image, std::size_t size) {
  std::uint8_t sum = 0;
  for (std::size_t i = 0; i + 1 < size; ++i) sum = static_cast<std::uint8_t>(sum + image[i]);
  return static_cast<std::uint8_t>(0x100 - sum);
}

}  // namespace lunda
