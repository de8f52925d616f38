// Algorithm texts, kept as the files' Windows-1251 bytes, in the UTF-8 the dialogs take.
#pragma once

#include <string>
#include <string_view>

#include "algorithm/cp1251.h"

namespace lunda {

[[nodiscard]] inline std::string ToDisplayText(std::string_view cp1251Text) {
  return Cp1251ToUtf8(cp1251Text);
}

}  // namespace lunda
