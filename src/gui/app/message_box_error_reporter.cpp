// Core messages shown as owner-less boxes.
#include "gui/app/message_box_error_reporter.h"

#include "gui/framework/message_box.h"

namespace lunda {

void MessageBoxErrorReporter::ShowError(std::string_view utf8Text) {
  MessageBox(nullptr, utf8Text, MessageIcon::kError);
}

void MessageBoxErrorReporter::ShowInfo(std::string_view utf8Text) {
  MessageBox(nullptr, utf8Text, MessageIcon::kInformation);
}

}  // namespace lunda
