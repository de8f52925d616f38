// WinIo.cnt: the numbers of the programs that share the port driver, as stored on disk.
#include "device/driver_registration_list.h"

namespace lunda {
namespace {

constexpr std::size_t kFieldSize = 4;

std::int32_t ReadInt32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < kFieldSize; ++i) {
    value |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
  }
  return static_cast<std::int32_t>(value);
}

void AppendInt32(std::vector<std::uint8_t>& bytes, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < kFieldSize; ++i) {
    bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
  }
}

}  // namespace

std::optional<RegistrationList> ParseRegistrationList(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return RegistrationList{};
  if (bytes.size() < kFieldSize) return std::nullopt;
  const std::int32_t count = ReadInt32(bytes, 0);
  if (count < 0 || static_cast<std::size_t>(count) > kRegistrationListRoom) return std::nullopt;
  const auto size = static_cast<std::size_t>(count);
  if (bytes.size() < kFieldSize * (1 + size)) return std::nullopt;
  RegistrationList list(size);
  for (std::size_t i = 0; i < size; ++i) list[i] = ReadInt32(bytes, kFieldSize * (1 + i));
  return list;
}

std::vector<std::uint8_t> SerializeRegistrationList(const RegistrationList& list) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(kFieldSize * (1 + list.size()));
  AppendInt32(bytes, static_cast<std::int32_t>(list.size()));
  for (const std::int32_t number : list) AppendInt32(bytes, number);
  return bytes;
}

}  // namespace lunda
