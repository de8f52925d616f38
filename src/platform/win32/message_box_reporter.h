// Messages for the user as Windows message boxes with no owner and the application's title.
#pragma once

#include <string>
#include <string_view>

#include "platform/error_reporter.h"

namespace lunda {

class MessageBoxReporter : public ErrorReporter {
 public:
  // `caption` (UTF-8) is the application title: the executable's name without folder and
  // extension.
  explicit MessageBoxReporter(std::string caption);
  void ShowError(std::string_view utf8Text) override;
  void ShowInfo(std::string_view utf8Text) override;

 private:
  std::wstring caption_;
};

}  // namespace lunda
