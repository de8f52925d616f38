// A reporter for tests that keeps every error it is given.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/error_reporter.h"

namespace lunda {

class RecordingReporter : public ErrorReporter {
 public:
  std::vector<std::string> errors;

  void ShowError(std::string_view utf8Text) override { errors.emplace_back(utf8Text); }
  void ShowInfo(std::string_view) override {}
};

}  // namespace lunda
