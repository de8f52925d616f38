// The string table (res/strings.json) and the framework's own strings.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "gui/framework/backend/services.h"
#include "res/ids.h"

namespace lunda {

// The pattern with %1..%9 replaced by the arguments in order; a number past the arguments and a
// lone '%' stay as they are.
[[nodiscard]] std::string FormatString(std::string_view pattern,
                                       std::initializer_list<std::string_view> args);

}  // namespace lunda
