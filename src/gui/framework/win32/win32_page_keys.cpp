// The property sheet's page keys under the system's dialog manager, which would take Ctrl+Tab
// for Tab and let Ctrl+PageDown through to the control: a message filter sees each key before
// IsDialogMessage does, in the system's modal loops and in any loop that calls it.
#include <optional>

#include "gui/framework/win32/win32_dialog_window.h"

namespace lunda {
namespace {

bool IsDown(int virtualKey) { return GetKeyState(virtualKey) < 0; }

std::optional<DialogKey> PageKeyOf(WPARAM virtualKey) {
  if (!IsDown(VK_CONTROL) || IsDown(VK_MENU)) return std::nullopt;
  const bool shift = IsDown(VK_SHIFT);
  if (virtualKey == VK_TAB) return shift ? DialogKey::kPreviousPage : DialogKey::kNextPage;
  if (shift) return std::nullopt;
  if (virtualKey == VK_NEXT) return DialogKey::kNextPage;
  if (virtualKey == VK_PRIOR) return DialogKey::kPreviousPage;
  return std::nullopt;
}

LRESULT CALLBACK FilterDialogMessage(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (code == MSGF_DIALOGBOX && message->message == WM_KEYDOWN) {
    const std::optional<DialogKey> key = PageKeyOf(message->wParam);
    if (key && Win32DialogWindow::PressPageKey(message->hwnd, *key)) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void FilterPageKeys() {
  // For the thread of the first dialog, the one every dialog of the program runs on.
  static const HHOOK hook =
      SetWindowsHookExW(WH_MSGFILTER, FilterDialogMessage, nullptr, GetCurrentThreadId());
  static_cast<void>(hook);
}

}  // namespace lunda
