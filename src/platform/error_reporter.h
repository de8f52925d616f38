// Where core operations send the messages the user must see (a message box, stderr, a test log).
#pragma once

#include <string_view>

namespace lunda {

class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  // A failure: an error box with an OK button, or its equivalent. Texts are UTF-8; "\n" breaks
  // lines.
  virtual void ShowError(std::string_view utf8Text) = 0;
  // A notice that is no failure, e.g. that a requested action has nothing to do here.
  virtual void ShowInfo(std::string_view utf8Text) = 0;
};

}  // namespace lunda
