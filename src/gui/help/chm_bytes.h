// Little-endian numbers inside a CHM's internal files.
#pragma once

#include <cstdint>
#include <string_view>

namespace lunda {

// The caller makes sure that the bytes are there.
[[nodiscard]] inline std::uint16_t ReadLe16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    static_cast<unsigned char>(bytes[at + 1]) << 8);
}

[[nodiscard]] inline std::uint32_t ReadLe32(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint32_t>(ReadLe16(bytes, at)) |
         static_cast<std::uint32_t>(ReadLe16(bytes, at + 2)) << 16;
}

}  // namespace lunda
