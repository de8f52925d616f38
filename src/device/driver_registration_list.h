// WinIo.cnt: the numbers of the programs that share the port driver, as stored on disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lunda {

// The most numbers any program of the family keeps in memory; a longer list could overrun them.
inline constexpr std::size_t kRegistrationListRoom = 1024;
// This program's number in the list.
inline constexpr std::int32_t kOwnRegistrationNumber = 1;

using RegistrationList = std::vector<std::int32_t>;

// The list in a file's bytes: little-endian int32 N, then N int32 numbers. No bytes is an empty
// list; bytes after the last number are ignored. Nothing when N is negative, exceeds the room, or
// the file ends before the N-th number.
[[nodiscard]] std::optional<RegistrationList> ParseRegistrationList(
    std::span<const std::uint8_t> bytes);

// The file bytes of a list: exactly 4 + 4 * N.
[[nodiscard]] std::vector<std::uint8_t> SerializeRegistrationList(const RegistrationList& list);

}  // namespace lunda
