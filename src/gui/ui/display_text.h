// Algorithm texts, kept as the files' Windows-1251 bytes, made readable for the widgets.
#pragma once

#include <QString>
#include <string_view>

#include "algorithm/cp1251.h"

namespace lunda {

[[nodiscard]] inline QString ToDisplayText(std::string_view cp1251Text) {
  return QString::fromStdString(Cp1251ToUtf8(cp1251Text));
}

}  // namespace lunda
