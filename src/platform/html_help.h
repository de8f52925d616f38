// The Windows help viewer, HTML Help (HtmlHelpW of hhctrl.ocx), behind one call.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>

namespace lunda {

// HtmlHelpW's arguments: caller window, file, command, data; the window handle is dropped, as
// no caller looks at it.
using HtmlHelpCall =
    std::function<void(void* caller, const wchar_t* file, unsigned command, std::uintptr_t data)>;

inline constexpr unsigned kHhHelpContext = 0x000F;

// HtmlHelpW, with hhctrl.ocx loaded on the first call and kept for the process's life, since
// the help window outlives the call. Empty when the library or its entry point is missing.
[[nodiscard]] HtmlHelpCall SystemHtmlHelp();

// Opens file at contextId. No caller window is passed, so the help window has no owner: it
// neither follows the program's windows nor is disabled by their modal dialogs. Nothing happens
// when help is empty.
void ShowHtmlHelpContext(const HtmlHelpCall& help, const std::filesystem::path& file,
                         std::uint32_t contextId);

// Closes every help window the viewer has open, as Microsoft asks a program to do before it ends.
// Nothing happens where help was never shown: the viewer is not loaded just to close nothing.
void CloseAllHtmlHelp();

}  // namespace lunda
