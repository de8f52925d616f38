// A CHM's context map: the numeric context ids of #IVB with their topics from #STRINGS.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace lunda {

// #IVB holds a 32-bit byte count, then pairs of a context id and an offset into #STRINGS, where
// the topic's path ends with a zero byte. Pairs that point outside #STRINGS are left out.
[[nodiscard]] std::map<std::uint32_t, std::string> ParseContextMap(std::string_view ivb,
                                                                   std::string_view strings);

}  // namespace lunda
