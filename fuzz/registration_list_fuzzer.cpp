// Any bytes as WinIo.cnt: a list that parses is written back as the bytes it was read from.
#include <algorithm>

#include "device/driver_registration_list.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto list = lunda::ParseRegistrationList({data, size});
  if (!list) return 0;
  Check(list->size() <= lunda::kRegistrationListRoom, "a parsed list fits the room");
  const std::vector<std::uint8_t> written = lunda::SerializeRegistrationList(*list);
  Check(written.size() == 4 + 4 * list->size(), "written as exactly 4 + 4 N bytes");
  Check(size == 0 || std::equal(written.begin(), written.end(), data), "written as read");
  return 0;
}
