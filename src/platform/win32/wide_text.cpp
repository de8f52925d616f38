// Text conversions through MultiByteToWideChar and WideCharToMultiByte.
#include "platform/win32/wide_text.h"

#include <windows.h>

namespace lunda {

std::wstring MultiByteToWide(std::string_view text, unsigned codePage) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::wstring Utf8ToWide(std::string_view utf8Text) { return MultiByteToWide(utf8Text, CP_UTF8); }

std::string WideToUtf8(std::wstring_view wideText) {
  if (wideText.empty()) return {};
  const int size = static_cast<int>(wideText.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wideText.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wideText.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

}  // namespace lunda
