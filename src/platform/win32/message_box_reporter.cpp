// Messages for the user as Windows message boxes with no owner and the application's title.
#include "platform/win32/message_box_reporter.h"

#include <windows.h>

namespace lunda {

std::wstring Utf8ToWide(std::string_view utf8Text) {
  if (utf8Text.empty()) return {};
  const int size = static_cast<int>(utf8Text.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8Text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8Text.data(), size, wide.data(), length);
  return wide;
}

MessageBoxReporter::MessageBoxReporter(std::string caption) : caption_(Utf8ToWide(caption)) {}

void MessageBoxReporter::ShowError(std::string_view utf8Text) {
  MessageBoxW(nullptr, Utf8ToWide(utf8Text).c_str(), caption_.c_str(), MB_OK | MB_ICONERROR);
}

void MessageBoxReporter::ShowInfo(std::string_view utf8Text) {
  MessageBoxW(nullptr, Utf8ToWide(utf8Text).c_str(), caption_.c_str(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace lunda
