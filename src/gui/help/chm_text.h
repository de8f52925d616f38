// The texts of the help file (pages, contents, index, title) as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace lunda {

// The help is compiled for Russian, and viewers read a Russian CHM as Windows-1251; a page that
// declares charset=utf-8 is taken as it is.
[[nodiscard]] std::string HelpTextToUtf8(std::string_view bytes);

}  // namespace lunda
