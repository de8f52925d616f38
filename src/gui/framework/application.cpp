// Texts outside the windows: on a stream where the process has one, else in a box.
#include "gui/framework/application.h"

#include <iostream>

#include "gui/framework/message_box.h"

namespace lunda {

void ShowPlainText(std::string_view text) {
  if (HasStandardStream(StandardStream::kOutput)) {
    std::cout << text << std::flush;
  } else {
    MessageBox(nullptr, text, MessageIcon::kInformation);
  }
}

void ShowDiagnosticText(std::string_view text, const CDialog* owner) {
  if (HasStandardStream(StandardStream::kError)) {
    std::cerr << text << std::flush;
  } else {
    MessageBox(owner, text, MessageIcon::kInformation);
  }
}

}  // namespace lunda
