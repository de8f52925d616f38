// Narrow text (UTF-8, or a Windows code page) and the UTF-16 that the wide calls take and give.
#pragma once

#include <string>
#include <string_view>

namespace lunda {

// codePage is a Windows code page id such as CP_UTF8 or CP_ACP. Invalid bytes become U+FFFD.
[[nodiscard]] std::wstring MultiByteToWide(std::string_view text, unsigned codePage);

// Our texts are UTF-8. Invalid bytes or units become U+FFFD.
[[nodiscard]] std::wstring Utf8ToWide(std::string_view utf8Text);
[[nodiscard]] std::string WideToUtf8(std::wstring_view wideText);

}  // namespace lunda
