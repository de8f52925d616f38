// Placeholder substitution for the string table's patterns.
#include "gui/framework/resources.h"

#include <vector>

namespace lunda {

std::string FormatString(std::string_view pattern, std::initializer_list<std::string_view> args) {
  const std::vector<std::string_view> values(args);
  std::string result;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const std::size_t index = static_cast<std::size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
      result += values[index];
      ++i;
    } else {
      result += pattern[i];
    }
  }
  return result;
}

}  // namespace lunda
