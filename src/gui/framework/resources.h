// The string table (res/strings.json) and the framework's own strings.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace lunda {

// Ids of the framework's own strings: the English data-entry prompts.
inline constexpr int kIdsParseInt = 61712;       // "Please enter an integer."
inline constexpr int kIdsParseReal = 61713;      // "Please enter a number."
inline constexpr int kIdsParseIntRange = 61714;  // "Please enter an integer between %1 and %2."
inline constexpr int kIdsParseByte = 61715;      // "Please enter an integer between 0 and 255."
inline constexpr int kIdsParseUInt = 61716;      // "Please enter a positive integer."

// The string-table entry with that id (UTF-8), or an empty string when there is none. Each build
// reads the table its platform keeps: the embedded JSON, or the program's string resources.
[[nodiscard]] std::string LoadString(int id);

// The pattern with %1..%9 replaced by the arguments in order; a number past the arguments and a
// lone '%' stay as they are.
[[nodiscard]] std::string FormatString(std::string_view pattern,
                                       std::initializer_list<std::string_view> args);

}  // namespace lunda
