// Narrow text of a Windows code page to the UTF-16 that the wide calls take.
#pragma once

#include <string>
#include <string_view>

namespace lunda {

// codePage is a Windows code page id such as CP_UTF8 or CP_ACP. Invalid bytes become U+FFFD.
[[nodiscard]] std::wstring MultiByteToWide(std::string_view text, unsigned codePage);

}  // namespace lunda
