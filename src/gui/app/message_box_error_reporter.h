// The GUI's ErrorReporter: a message box through the framework, with the application title.
#pragma once

#include "platform/error_reporter.h"

namespace lunda {

class MessageBoxErrorReporter final : public ErrorReporter {
 public:
  void ShowError(std::string_view utf8Text) override;
  void ShowInfo(std::string_view utf8Text) override;
};

}  // namespace lunda
