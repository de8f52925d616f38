// Help through HTML Help, loaded on first use.

#include "gui/framework/win32/windows_api.h"
#include "gui/framework/help.h"

namespace lunda {

void ShowHelpTopic(std::uint32_t contextId) {
  using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
  constexpr UINT kHhHelpContext = 0x000F;
  // Loaded once and kept for the process's life, as the help window outlives the call.
  static const HtmlHelpFunction htmlHelp = [] {
    HMODULE library = LoadLibraryA("hhctrl.ocx");
    return library ? reinterpret_cast<HtmlHelpFunction>(
                         reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpA")))
                   : nullptr;
  }();
  // No owner: the help window does not follow the main window.
  if (htmlHelp) htmlHelp(nullptr, kHelpFileName, kHhHelpContext, contextId);
}

}  // namespace lunda
