// Reading #IVB against #STRINGS, trusting neither count nor offsets.
#include "gui/help/chm_context_map.h"

#include <algorithm>

#include "gui/help/chm_bytes.h"

namespace lunda {

std::map<std::uint32_t, std::string> ParseContextMap(std::string_view ivb,
                                                     std::string_view strings) {
  std::map<std::uint32_t, std::string> map;
  if (ivb.size() < 4) return map;
  const std::size_t end = 4 + std::min<std::size_t>(ReadLe32(ivb, 0), ivb.size() - 4);
  for (std::size_t at = 4; at + 8 <= end; at += 8) {
    const std::uint32_t offset = ReadLe32(ivb, at + 4);
    if (offset >= strings.size()) continue;
    const std::string_view rest = strings.substr(offset);
    const std::size_t zero = rest.find('\0');
    if (zero == std::string_view::npos) continue;
    map.emplace(ReadLe32(ivb, at), std::string(rest.substr(0, zero)));
  }
  return map;
}

}  // namespace lunda
