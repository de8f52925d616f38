// HTML Help through hhctrl.ocx, loaded at run time: the library is not part of every system.
#include "platform/html_help.h"

#include <windows.h>

#include "platform/win32/proc_address.h"

namespace lunda {
namespace {

using HtmlHelpW = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

constexpr UINT kHhCloseAll = 0x0012;

}  // namespace

HtmlHelpCall SystemHtmlHelp() {
  static const HtmlHelpW function = [] {
    HMODULE library = LoadLibraryW(L"hhctrl.ocx");
    return library ? ProcAddress<HtmlHelpW>(library, "HtmlHelpW") : nullptr;
  }();
  if (function == nullptr) return {};
  return [](void* caller, const wchar_t* file, unsigned command, std::uintptr_t data) {
    function(static_cast<HWND>(caller), file, command, data);
  };
}

void ShowHtmlHelpContext(const HtmlHelpCall& help, const std::filesystem::path& file,
                         std::uint32_t contextId) {
  if (help) help(nullptr, file.c_str(), kHhHelpContext, contextId);
}

void CloseAllHtmlHelp() {
  const HMODULE library = GetModuleHandleW(L"hhctrl.ocx");
  if (library == nullptr) return;
  if (const auto function = ProcAddress<HtmlHelpW>(library, "HtmlHelpW")) {
    function(nullptr, nullptr, kHhCloseAll, 0);
  }
}

}  // namespace lunda
