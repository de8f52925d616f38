// Any bytes as WinIo.cnt: a list that parses is written back as exactly its 4 + 4 N bytes, and
// those parse to the same list.
#include <algorithm>
#include <cstdint>
#include <span>

#include "device/driver_registration_list.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using lunda::fuzz::Check;
  const std::span<const std::uint8_t> bytes(data, size);
  const auto list = lunda::ParseRegistrationList(bytes);
  if (!list) return 0;
  Check(list->size() <= lunda::kRegistrationListRoom, "a parsed list fits the room");
  const std::vector<std::uint8_t> written = lunda::SerializeRegistrationList(*list);
  Check(written.size() == 4 + 4 * list->size(), "written as exactly 4 + 4 N bytes");
  if (size > 0) {
    Check(std::equal(written.begin(), written.end(), bytes.begin()),
          "the bytes written are the ones the list was read from");
  }
  Check(lunda::ParseRegistrationList(written) == list, "parse, serialise, parse is the identity");
  return 0;
}
