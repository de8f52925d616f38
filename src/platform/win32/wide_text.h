// Our texts are UTF-8; the wide Windows calls take and give UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace lunda {

// Invalid bytes or units become U+FFFD.
[[nodiscard]] std::wstring Utf8ToWide(std::string_view utf8Text);
[[nodiscard]] std::string WideToUtf8(std::wstring_view wideText);

}  // namespace lunda
