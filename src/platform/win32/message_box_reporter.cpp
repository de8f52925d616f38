// Messages for the user as Windows message boxes with no owner and the application's title.
#include "platform/win32/message_box_reporter.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace lunda {

MessageBoxReporter::MessageBoxReporter(std::string caption) : caption_(Utf8ToWide(caption)) {}

void MessageBoxReporter::ShowError(std::string_view utf8Text) {
  MessageBoxW(nullptr, Utf8ToWide(utf8Text).c_str(), caption_.c_str(), MB_OK | MB_ICONERROR);
}

void MessageBoxReporter::ShowInfo(std::string_view utf8Text) {
  MessageBoxW(nullptr, Utf8ToWide(utf8Text).c_str(), caption_.c_str(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace lunda
