// Calls about controls a dialog does not have: program errors, which must not pass unseen.
#pragma once

#include <functional>
#include <string_view>

namespace lunda {

// Receives the description of each such call instead of the default, which writes it to stderr
// and, in a debug build, aborts. Tests install one that fails the test.
using ControlErrorHandler = std::function<void(std::string_view message)>;

// Installs handler (null restores the default) and returns the one it replaces.
ControlErrorHandler SetControlErrorHandler(ControlErrorHandler handler);

void ReportControlError(std::string_view message);

}  // namespace lunda
