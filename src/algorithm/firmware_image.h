// The firmware image buffer and where each parameter lives in it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lunda {

inline constexpr std::uint32_t kImageSize = 5120;

// Byte offsets inside the image.
inline constexpr std::size_t kDayOffset = 0;
inline constexpr std::size_t kMonthOffset = 1;
inline constexpr std::size_t kYearOffset = 2;
inline constexpr std::size_t kNumberOffset = 3;
inline constexpr std::size_t kThresholdOffset = 6;  // four bytes, 6..9
inline constexpr std::size_t kSensorCurrentOffset = 10;
inline constexpr std::size_t kStartDelayOffset = 11;
inline constexpr std::size_t kChannelStride = 1568;

// Offset of delay i (0..35): channel blocks 1568 bytes apart, pairs of delays separated by
// one untouched byte, starting at 17.
[[nodiscard]] constexpr std::size_t DelayOffset(int i) {
  return 17 + kChannelStride * static_cast<std::size_t>(i / 12) +
         3 * static_cast<std::size_t>((i % 12) / 2) + static_cast<std::size_t>(i % 2);
}

using FirmwareImage = std::vector<std::uint8_t>;

// The value that makes all bytes of image add up to 0 modulo 256, given bytes 0..size-2.
[[nodiscard]] std::uint8_t ChecksumByte(const std::uint8_t* image, std::size_t size);

}  // namespace lunda
