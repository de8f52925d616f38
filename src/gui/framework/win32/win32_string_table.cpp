// The string table from the program's string resources (generated from res/strings.json).

#include "gui/framework/backend/services.h"
#include "gui/framework/win32/windows_api.h"
#include "platform/win32/wide_text.h"

namespace lunda {

std::string LoadString(int id) {
  const wchar_t* text = nullptr;
  // With no buffer the call hands out the resource's own read-only text and its length.
  const int length = LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(id),
                                 reinterpret_cast<LPWSTR>(&text), 0);
  return length > 0 ? WideToUtf8(std::wstring_view(text, static_cast<std::size_t>(length)))
                    : std::string();
}

}  // namespace lunda
