// The row text of an algorithm in the main list, also the parameter sheet's caption.
#pragma once

#include <string>

#include "algorithm/algorithm.h"

namespace lunda {

// "name {file}", with "* " in front while current differs from defaults. Raw bytes.
[[nodiscard]] std::string FormatListItem(const CAlgorithm& algorithm);

}  // namespace lunda
